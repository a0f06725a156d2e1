#pragma once

#include "host/vect2.h"
#include "host/host_api_export.h"

class String;

// Base of every scene source. The slot order of the virtual operations is the
// host's ABI: do not reorder.
class HOST_API ImageSource {
 public:
  virtual ~ImageSource();
  virtual void PrepareFrame() {}
  virtual void AdvanceClock(float seconds) { (void)seconds; }
  virtual void DrawAt(const Vect2& position, const Vect2& size) = 0;
  virtual Vect2 QuerySize() const = 0;
  virtual void ReloadSettings() {}
  virtual void ActivateInScene() {}
  virtual void DeactivateInScene() {}
  virtual void GlobalSourceLeaveScene() {}
  virtual void GlobalSourceEnterScene() {}
  virtual void SetFloat(const char16_t* name, float value);
  virtual void SetInt(const char16_t* name, int value);
  virtual void SetString(const char16_t* name, const char16_t* value);
  virtual void SetVector(const char16_t* name, const float* value);
  virtual void SetVector2(const char16_t* name, const Vect2& value);
  virtual void SetVector4(const char16_t* name, const float* value);
  virtual void SetMatrix(const char16_t* name, const float* value);
  virtual float GetFloat(const char16_t* name) const;
  virtual int GetInt(const char16_t* name) const;
  virtual const char16_t* GetString(const char16_t* name) const;
  virtual bool GetVector(const char16_t* name, float* out) const;
  virtual bool GetVector2(const char16_t* name, Vect2* out) const;
  virtual bool GetVector4(const char16_t* name, float* out) const;
  virtual bool GetMatrix(const char16_t* name, float* out) const;
};
