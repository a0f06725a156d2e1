// The settings/scene file reader and writer as a round trip. Input read as a
// file either fails with "name:line: reason" or gives a tree whose written
// text reads back into the same tree and the same text. A tree built through
// the element interface from arbitrary values must survive writing and
// reading back as well.

#include <cstdint>
#include <string>
#include <string_view>

#include "standins/host_library/standin_host.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool SameTree(const standin::SettingsElement& a, const standin::SettingsElement& b) {
  if (a.Name() != b.Name() || a.Values().size() != b.Values().size() || a.Children().size() != b.Children().size())
    return false;
  for (std::size_t i = 0; i < a.Values().size(); ++i) {
    const auto& x = a.Values()[i];
    const auto& y = b.Values()[i];
    if (x.name != y.name || x.text != y.text || x.quoted != y.quoted) return false;
  }
  for (std::size_t i = 0; i < a.Children().size(); ++i)
    if (!SameTree(*a.Children()[i], *b.Children()[i])) return false;
  return true;
}

void CheckRoundTrip(const standin::SettingsElement& tree) {
  const std::string written = standin::SettingsText(tree);
  std::string error;
  const auto again = standin::ReadSettingsText(written, "written", &error);
  Check(again != nullptr);
  Check(SameTree(tree, *again));
  Check(standin::SettingsText(*again) == written);
}

// Values as a plug-in sets them: any text, as string, integer or float,
// under the keys the plug-in uses, in nested elements.
void BuildAndCheck(std::string_view input) {
  static const char16_t* const kKeys[] = {u"font", u"color", u"innerId", u"thanks_string", u"baseSizeCX"};
  standin::SettingsElement root(u"scene");
  XElement* element = root.CreateElement(u"sources")->CreateElement(u"data");
  std::size_t key = 0;
  while (!input.empty()) {
    const std::size_t end = input.find('\x01');
    const std::string_view piece = input.substr(0, end);
    const std::u16string value = standin::FromUtf8(std::string(piece));
    const char16_t* name = kKeys[key++ % std::size(kKeys)];
    switch (piece.empty() ? 0 : static_cast<unsigned char>(piece[0]) % 4) {
      case 0:
        element->SetString(name, value.c_str());
        break;
      case 1:
        element->SetInt(name, static_cast<int>(piece.size() * 2654435761u));
        break;
      case 2:
        element->SetFloat(name, static_cast<float>(piece.size()) / 7.0f);
        break;
      default:
        element = element->CreateElement(u"child");
        break;
    }
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  CheckRoundTrip(root);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto tree = standin::ReadSettingsText(text, "fuzz.txt", &error);
  if (tree)
    CheckRoundTrip(*tree);
  else
    Check(error.starts_with("fuzz.txt:"));
  BuildAndCheck(text);
  return 0;
}
