#include "standins/host_program/scene.h"

Vect2 SceneSource::Size() const {
  const Vect2 own = image ? image->GetSize() : Vect2();
  return Vect2(element->GetFloat(u"cx", own.x), element->GetFloat(u"cy", own.y));
}

std::vector<SceneSource> FindSources(standin::SettingsElement& root, const std::u16string& class_name,
                                     std::vector<std::string>* skipped) {
  std::vector<SceneSource> sources;
  auto* list = static_cast<standin::SettingsElement*>(root.GetElement(u"sources"));
  if (!list) return sources;
  for (const auto& child : list->Children()) {
    const std::string name = standin::ToUtf8(child->Name());
    if (class_name != child->GetString(u"class", u"")) {
      skipped->push_back(name);
      continue;
    }
    sources.push_back(SceneSource{name, child.get(), child->GetElement(u"data"), nullptr});
  }
  return sources;
}
