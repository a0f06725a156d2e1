#pragma once

// The sources of the scene settings, as the host keeps them: each child of
// the root's "sources" element is one source, with its class name in
// "class", its place in "x" and "y", its drawn size in "cx" and "cy", and its
// own settings in the child "data".

#include <memory>
#include <string>
#include <vector>

#include "module/host_api/api.h"
#include "standins/host_library/standin_host.h"

struct SceneSource {
  std::string name;
  XElement* element = nullptr;  // in the settings tree
  XElement* data = nullptr;     // its "data" child, once configured or created
  // The source as the host holds it, once created.
  std::unique_ptr<standin::HostedSource> image;

  Vect2 Position() const { return Vect2(element->GetFloat(u"x", 0), element->GetFloat(u"y", 0)); }
  // The size the host lays the source out with: "cx"/"cy", or the source's own.
  Vect2 Size() const;
};

// The sources of class `class_name`, in file order. Sources of other
// classes are named in *skipped.
std::vector<SceneSource> FindSources(standin::SettingsElement& root, const std::u16string& class_name,
                                     std::vector<std::string>* skipped);
