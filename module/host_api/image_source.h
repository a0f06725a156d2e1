#pragma once

#include "module/host_api/vect2.h"

// Base of every scene source, which the plug-in derives from. The slot order
// of the virtual operations is the host's: do not reorder. Every operation
// has its body here, as in the host's own header, so a source needs nothing
// of the host's library for its base.
class ImageSource {
 public:
  virtual ~ImageSource() = default;
  virtual void PrepareFrame() {}
  virtual void AdvanceClock(float seconds) { (void)seconds; }
  virtual void DrawAt(const Vect2& position, const Vect2& size) = 0;
  virtual Vect2 QuerySize() const = 0;
  virtual void ReloadSettings() {}
  virtual void ActivateInScene() {}
  virtual void DeactivateInScene() {}
  virtual void GlobalSourceLeaveScene() {}
  virtual void GlobalSourceEnterScene() {}
  virtual void SetFloat(const char16_t*, float) {}
  virtual void SetInt(const char16_t*, int) {}
  virtual void SetString(const char16_t*, const char16_t*) {}
  virtual void SetVector(const char16_t*, const float*) {}
  virtual void SetVector2(const char16_t*, const Vect2&) {}
  virtual void SetVector4(const char16_t*, const float*) {}
  virtual void SetMatrix(const char16_t*, const float*) {}
  virtual float GetFloat(const char16_t*) const { return 0.0f; }
  virtual int GetInt(const char16_t*) const { return 0; }
  virtual const char16_t* GetString(const char16_t*) const { return nullptr; }
  virtual bool GetVector(const char16_t*, float*) const { return false; }
  virtual bool GetVector2(const char16_t*, Vect2*) const { return false; }
  virtual bool GetVector4(const char16_t*, float*) const { return false; }
  virtual bool GetMatrix(const char16_t*, float*) const { return false; }
};
