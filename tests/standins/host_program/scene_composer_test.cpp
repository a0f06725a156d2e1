#include <gtest/gtest.h>

#include <memory>

#include "standins/host_library/standin_host.h"
#include "standins/host_program/scene_canvas.h"

namespace {

TEST(SceneComposer, ComposesOnlyChangedSpritesAndDrawsWhatComposingAfreshDraws) {
  std::vector<uint8_t> texels(3 * 2 * 4, 0);  // BGRA
  texels[2] = 200, texels[3] = 255;
  const standin::HostOutput output;
  std::unique_ptr<Texture> texture(GS->MakeTexture(3, 2, GS_BGRA, texels.data(), false, false));
  std::vector<standin::SpriteRecord> sprites{{texture.get(), 0xFFFFFFFFu, 1, 1, 4, 3}};
  // Not the scene's background, so that a composition shows.
  const Image blank(8, 6, 0x00000000);
  const auto afresh = [&] {
    Image canvas = blank;
    ComposeScene(canvas, sprites);
    return canvas.pixels;
  };
  SceneComposer composer;
  Image canvas = blank;
  EXPECT_TRUE(composer.Compose(canvas, sprites));
  EXPECT_EQ(canvas.pixels, afresh());

  canvas = blank;
  EXPECT_FALSE(composer.Compose(canvas, sprites));
  EXPECT_EQ(canvas.pixels, blank.pixels);

  texels[7] = 128;  // the same texture object with new pixels
  texture->UploadPixels(texels.data(), GS_IMAGEFORMAT_BGRA, 3 * 4);
  EXPECT_TRUE(composer.Compose(canvas, sprites));
  EXPECT_EQ(canvas.pixels, afresh());

  sprites[0].x1 = 2;
  EXPECT_TRUE(composer.Compose(canvas, sprites));
  EXPECT_EQ(canvas.pixels, afresh());
  sprites[0].color = 0x80FFFFFFu;
  EXPECT_TRUE(composer.Compose(canvas, sprites));
  EXPECT_EQ(canvas.pixels, afresh());
}

}  // namespace
