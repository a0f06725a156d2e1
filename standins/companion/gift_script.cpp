#include "standins/companion/gift_script.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "standins/companion/text_utf.h"

namespace companion {

namespace {

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\x3000'; }

// The fields of a line up to a field that starts with '#'.
std::vector<std::u16string_view> Fields(std::u16string_view line) {
  std::vector<std::u16string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    if (i == line.size() || line[i] == u'#') break;
    const std::size_t start = i;
    while (i < line.size() && !IsSpace(line[i])) ++i;
    fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

std::optional<int64_t> Digits(std::u16string_view text) {
  if (text.empty() || text[0] == u'+' || text[0] == u'-') return std::nullopt;
  return ParseInt64(text);
}

// Why the fields of one line make no event, or nothing when they make one.
std::optional<std::string> ReadEvent(const std::vector<std::u16string_view>& fields, GiftEvent* event) {
  if (fields.size() != 5)
    return "expected 5 fields (time sender gift count value), found " + std::to_string(fields.size());
  const std::optional<int64_t> at = ParseScriptTime(fields[0]);
  if (!at) return "bad time \"" + ToUtf8(fields[0]) + "\" (write [h:]mm:ss.s or seconds)";
  const std::optional<int64_t> count = Digits(fields[3]);
  if (!count || *count < 1) return "count must be a whole number from 1, got \"" + ToUtf8(fields[3]) + "\"";
  const std::optional<int64_t> value = Digits(fields[4]);
  if (!value) return "value must be a whole number from 0, got \"" + ToUtf8(fields[4]) + "\"";
  *event = GiftEvent{*at, std::u16string(fields[1]), std::u16string(fields[2]), *count, *value};
  return std::nullopt;
}

}  // namespace

std::optional<int64_t> ParseScriptTime(std::u16string_view text) {
  int64_t fraction_ms = 0;
  if (const std::size_t dot = text.find(u'.'); dot != std::u16string_view::npos) {
    const std::u16string_view fraction = text.substr(dot + 1);
    const std::optional<int64_t> digits = Digits(fraction);
    if (!digits || fraction.size() > 3) return std::nullopt;
    fraction_ms = *digits;
    for (std::size_t i = fraction.size(); i < 3; ++i) fraction_ms *= 10;
    text = text.substr(0, dot);
  }
  // Seconds, then minutes, then hours, from the right; every part but the
  // leftmost stays below 60.
  int64_t seconds = 0;
  int64_t scale = 1;
  for (int part = 0; part < 3; ++part) {
    const std::size_t colon = text.rfind(u':');
    const std::u16string_view digits = colon == std::u16string_view::npos ? text : text.substr(colon + 1);
    const std::optional<int64_t> value = Digits(digits);
    const bool leftmost = colon == std::u16string_view::npos;
    if (!value || *value > 1'000'000 || (!leftmost && *value >= 60)) return std::nullopt;
    seconds += *value * scale;
    if (leftmost) return seconds * 1000 + fraction_ms;
    text = text.substr(0, colon);
    scale *= 60;
  }
  return std::nullopt;
}

GiftScript ParseGiftScript(std::string_view text, std::u16string_view name) {
  GiftScript script;
  script.name = name;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view raw = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++line_number;

    std::optional<std::string> error;
    GiftEvent event;
    const std::optional<std::u16string> line = FromUtf8(raw);
    if (!line) {
      error = "not valid UTF-8";
    } else {
      const std::vector<std::u16string_view> fields = Fields(*line);
      if (fields.empty()) continue;
      error = ReadEvent(fields, &event);
    }
    if (error) {
      script.errors.push_back(script.name + u":" + Ascii(std::to_string(line_number)) + u": " +
                              *FromUtf8(*error));
    } else {
      script.events.push_back(std::move(event));
    }
  }
  std::stable_sort(script.events.begin(), script.events.end(),
                   [](const GiftEvent& a, const GiftEvent& b) { return a.at_ms < b.at_ms; });
  return script;
}

GiftScript LoadGiftScript(const std::string& utf8_path) {
  const std::u16string name = FromUtf8(utf8_path).value_or(u"gift script");
  const std::filesystem::path path(std::u8string(utf8_path.begin(), utf8_path.end()));
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  if (file) content << file.rdbuf();
  if (!file || file.bad()) {
    GiftScript unreadable{name, {}, {name + u": cannot be read"}, false};
    return unreadable;
  }
  return ParseGiftScript(content.str(), name);
}

}  // namespace companion
