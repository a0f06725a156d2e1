#pragma once

#include "host/string.h"
#include "hostapi_export.h"

// A node of the host's settings tree: named integer, float and text values
// and named child elements. Getters return the default when the name is absent.
class HOSTAPI_EXPORT XElement {
 public:
  virtual ~XElement() = default;

  virtual const char16_t* GetString(const char16_t* name, const char16_t* def = nullptr) const = 0;
  virtual int GetInt(const char16_t* name, int def = 0) const = 0;
  virtual float GetFloat(const char16_t* name, float def = 0.0f) const = 0;

  virtual void SetString(const char16_t* name, const char16_t* value) = 0;
  virtual void SetInt(const char16_t* name, int value) = 0;
  virtual void SetFloat(const char16_t* name, float value) = 0;

  // The first child with that name, or null.
  virtual XElement* GetElement(const char16_t* name) = 0;
  // Adds a child with that name and returns it; the parent owns it.
  virtual XElement* CreateElement(const char16_t* name) = 0;
};
