#pragma once

#include <cstdint>

#include "module/host_api/api.h"

// The scene source that shows the latest thanks line of its room.
class QuilloraThanksImage : public ImageSource {
 public:
  explicit QuilloraThanksImage(XElement* element);
  ~QuilloraThanksImage() override;

  void PrepareFrame() override;
  void AdvanceClock(float seconds) override;
  void DrawAt(const Vect2& position, const Vect2& size) override;
  Vect2 QuerySize() const override;
  void ReloadSettings() override;
  void ActivateInScene() override;
  void DeactivateInScene() override;

  // Storage comes from and returns to the host allocator.
  static void* operator new(std::size_t, void* storage) noexcept { return storage; }
  static void operator delete(void* storage) noexcept;

  Vect2 baseSize;
  struct {
    int32_t width;
    int32_t height;
  } textureSize;
  Texture* texture;
  bool outline;
  XElement* element;
  String font;
  int32_t fontSize;
  uint32_t color;
  uint32_t textOpacity;
  float outlineSize;
  uint32_t outlineColor;
  uint32_t outlineOpacity;
  uint32_t backgroundOpacity;
  uint32_t backgroundColor;
  bool bold;
  bool italic;
  bool underline;
};

// The create callback: a source for `element`, or null when the host
// allocator has no memory.
ImageSource* CreateThanksSource(XElement* element);
