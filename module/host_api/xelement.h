#pragma once

#include "module/host_api/host_api_export.h"
#include "module/host_api/string.h"

// A node of the host's settings tree: named integer, float and text values
// and named child elements. Getters return the default when the name is absent.
//
// The host owns every element; the plug-in only holds pointers to them. The
// members are plain (non-virtual) functions of the host's library, as in the
// host's own class: the object's layout stays the host's business.
class HOST_API XElement {
 public:
  XElement(const XElement&) = delete;
  XElement& operator=(const XElement&) = delete;

  const char16_t* GetString(const char16_t* name, const char16_t* def = nullptr) const;
  int GetInt(const char16_t* name, int def = 0) const;
  float GetFloat(const char16_t* name, float def = 0.0f) const;

  void SetString(const char16_t* name, const char16_t* value);
  void SetInt(const char16_t* name, int value);
  void SetFloat(const char16_t* name, float value);

  // The first child with that name, or null.
  XElement* GetElement(const char16_t* name) const;
  // Adds a child with that name and returns it; the parent owns it.
  XElement* CreateElement(const char16_t* name);

 protected:
  XElement() = default;
  ~XElement() = default;
};
