// The settings tree: values kept as text, numbers parsed on reading.

#include <cstdio>
#include <cstdlib>

#include "module/host_api/string.h"
#include "standins/host_library/standin_host.h"

namespace standin {

SettingsElement::SettingsElement(std::u16string name) : name_(std::move(name)) {}
SettingsElement::~SettingsElement() = default;

const SettingsElement::Value* SettingsElement::Find(const char16_t* name) const {
  if (!name) return nullptr;
  for (const Value& v : values_)
    if (v.name == name) return &v;
  return nullptr;
}

void SettingsElement::SetValue(Value value) {
  for (Value& v : values_) {
    if (v.name == value.name) {
      v = std::move(value);
      return;
    }
  }
  values_.push_back(std::move(value));
}

SettingsElement* SettingsElement::AddChild(std::u16string name) {
  children_.push_back(std::make_unique<SettingsElement>(std::move(name)));
  return children_.back().get();
}

}  // namespace standin

// The host's element members, on the stand-in host's elements.
namespace {
const standin::SettingsElement* Settings(const XElement* element) {
  return static_cast<const standin::SettingsElement*>(element);
}
standin::SettingsElement* Settings(XElement* element) { return static_cast<standin::SettingsElement*>(element); }
}  // namespace

const char16_t* XElement::GetString(const char16_t* name, const char16_t* def) const {
  const standin::SettingsElement::Value* v = Settings(this)->Find(name);
  return v ? v->text.c_str() : def;
}

int XElement::GetInt(const char16_t* name, int def) const {
  const standin::SettingsElement::Value* v = Settings(this)->Find(name);
  if (!v) return def;
  // Colours are stored as signed decimals, but a hand-edited file may hold
  // 0xAARRGGBB; both read as the same 32 bits.
  const std::string text = standin::ToUtf8(v->text);
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  return static_cast<int>(static_cast<uint32_t>(std::strtoll(text.c_str(), nullptr, hex ? 16 : 10)));
}

float XElement::GetFloat(const char16_t* name, float def) const {
  const standin::SettingsElement::Value* v = Settings(this)->Find(name);
  return v ? std::strtof(standin::ToUtf8(v->text).c_str(), nullptr) : def;
}

void XElement::SetString(const char16_t* name, const char16_t* value) {
  if (name) Settings(this)->SetValue({name, value ? value : u"", true});
}

void XElement::SetInt(const char16_t* name, int value) {
  if (name) Settings(this)->SetValue({name, standin::FromUtf8(std::to_string(value)), false});
}

void XElement::SetFloat(const char16_t* name, float value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));  // round-trips every float
  if (name) Settings(this)->SetValue({name, standin::FromUtf8(text), false});
}

XElement* XElement::GetElement(const char16_t* name) const {
  if (!name) return nullptr;
  for (const auto& child : Settings(this)->Children())
    if (child->Name() == name) return child.get();
  return nullptr;
}

XElement* XElement::CreateElement(const char16_t* name) { return Settings(this)->AddChild(name ? name : u""); }
