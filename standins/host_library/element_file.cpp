// Settings trees as readable text files, so that a host's settings (and the
// ids the plug-in stores in them) persist from one run to the next.

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "standins/host_library/standin_host.h"

namespace standin {

namespace {

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

void Write(std::ostream& out, const SettingsElement& element, int depth) {
  const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
  out << indent << ToUtf8(element.Name()) << " {\n";
  for (const auto& v : element.Values()) {
    const std::string text = ToUtf8(v.text);
    out << indent << "  " << ToUtf8(v.name) << " = " << (v.quoted ? Quote(text) : text) << "\n";
  }
  for (const auto& child : element.Children()) Write(out, *child, depth + 1);
  out << indent << "}\n";
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '-'; }

// A line-oriented reader: "name {", "}", "key = value", blank and # lines.
class Reader {
 public:
  Reader(std::istream& in, const std::string& name) : in_(in), name_(name) {}

  std::unique_ptr<SettingsElement> Read(std::string* error) {
    std::unique_ptr<SettingsElement> root;
    std::vector<SettingsElement*> open;
    std::string line;
    while (std::getline(in_, line)) {
      ++number_;
      const std::string text = Trim(line);
      if (text.empty() || text[0] == '#') continue;
      if (text == "}") {
        if (open.empty()) return Fail(error, "'}' without an open element");
        open.pop_back();
        continue;
      }
      if (text.size() > 1 && text.back() == '{') {
        const std::string name = Trim(text.substr(0, text.size() - 1));
        if (!ValidName(name)) return Fail(error, "bad element name");
        if (open.empty()) {
          if (root) return Fail(error, "a second top-level element");
          root = std::make_unique<SettingsElement>(FromUtf8(name));
          open.push_back(root.get());
        } else {
          open.push_back(static_cast<SettingsElement*>(open.back()->CreateElement(FromUtf8(name).c_str())));
        }
        continue;
      }
      const std::size_t eq = text.find('=');
      if (eq == std::string::npos || open.empty()) return Fail(error, "expected 'key = value', 'name {' or '}'");
      const std::string key = Trim(text.substr(0, eq));
      if (!ValidName(key)) return Fail(error, "bad key");
      SettingsElement::Value value{FromUtf8(key), {}, false};
      if (!ParseValue(Trim(text.substr(eq + 1)), &value)) return Fail(error, "bad value");
      open.back()->SetValue(std::move(value));
    }
    if (!open.empty()) return Fail(error, "element not closed at end of file");
    if (!root) return Fail(error, "no element");
    return root;
  }

 private:
  static std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
  }

  static bool ValidName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name)
      if (!IsNameChar(c) && static_cast<unsigned char>(c) < 0x80) return false;
    return true;
  }

  static bool ParseValue(const std::string& text, SettingsElement::Value* value) {
    if (text.empty() || text[0] != '"') {
      value->text = FromUtf8(text);
      return !text.empty();
    }
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
      if (text[i] == '"') {
        if (i + 1 != text.size()) return false;
        value->text = FromUtf8(out);
        value->quoted = true;
        return true;
      }
      if (text[i] == '\\' && i + 1 < text.size()) {
        ++i;
        out += text[i] == 'n' ? '\n' : text[i];
      } else {
        out += text[i];
      }
    }
    return false;  // no closing quote
  }

  std::unique_ptr<SettingsElement> Fail(std::string* error, const char* what) const {
    if (error) *error = name_ + ":" + std::to_string(number_) + ": " + what;
    return nullptr;
  }

  std::istream& in_;
  const std::string& name_;
  int number_ = 0;
};

}  // namespace

std::unique_ptr<SettingsElement> ReadSettingsText(const std::string& text, const std::string& name,
                                                  std::string* error) {
  std::istringstream in(text);
  return Reader(in, name).Read(error);
}

std::string SettingsText(const SettingsElement& root) {
  std::ostringstream text;
  Write(text, root, 0);
  return text.str();
}

std::unique_ptr<SettingsElement> LoadSettings(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = path + ": cannot open the file";
    return nullptr;
  }
  return Reader(in, path).Read(error);
}

// Written beside the file, then renamed over it: a run that stops half way
// leaves the old file whole, never a part of the new one.
bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::random_device random;
  const std::string temporary = path + ".new-" + std::to_string(random());
  bool written;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    written = static_cast<bool>(out.flush());
  }
  std::error_code ignored;
  if (written) {
    std::filesystem::rename(temporary, path, ignored);
    if (!ignored) return true;
  }
  std::filesystem::remove(temporary, ignored);
  return false;
}

bool SaveSettings(const SettingsElement& root, const std::string& path) {
  return WriteFileAtomically(path, SettingsText(root));
}

}  // namespace standin
