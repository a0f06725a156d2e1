#include <gtest/gtest.h>

#include <filesystem>

#include "standins/host_program/image.h"
#include "standins/host_program/options.h"
#include "tests/support/temp_folder.h"

namespace {

uint32_t Pixel(const Image& image, int x, int y) {
  const uint8_t* p = image.At(x, y);
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

TEST(PreviewImage, SpritesScaleAndBlendOverTheScene) {
  // BGRA: opaque red, half-transparent white, fully transparent green.
  const uint8_t texels[] = {0, 0, 255, 255, 255, 255, 255, 128, 0, 255, 0, 0};
  Image canvas(12, 4, 0x000000FF);
  DrawSprite(canvas, BgraView{texels, 3, 1}, 0xFFFFFFFF, 2, 1, 11, 3);  // three times as wide, twice as high
  EXPECT_EQ(Pixel(canvas, 1, 2), 0x000000FFu);   // outside the rectangle
  EXPECT_EQ(Pixel(canvas, 2, 1), 0xFF0000FFu);   // the red texel, at the edge
  EXPECT_EQ(Pixel(canvas, 6, 2), 0x808080FFu);   // half white over black
  EXPECT_EQ(Pixel(canvas, 10, 2), 0x000000FFu);  // transparent: the scene shows
  EXPECT_EQ(Pixel(canvas, 6, 3), 0x000000FFu);   // below the rectangle
  // The sprite's colour modulates the texels.
  Image tinted(1, 1, 0x000000FF);
  DrawSprite(tinted, BgraView{texels, 1, 1}, 0xFF00FFFF, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(tinted, 0, 0), 0x000000FFu);

  const InkBox ink = FindInk(canvas, 0x000000FF, 8);
  EXPECT_EQ(ink.x, 2);
  EXPECT_EQ(ink.y, 1);
  EXPECT_EQ(ink.width, 7);  // up to the last half-white pixel
  EXPECT_EQ(ink.height, 2);
  EXPECT_EQ(FindInk(Image(3, 3, 0x10203040), 0x10203040, 0).width, 0);
}

TEST(PreviewImage, PngFilesKeepEveryPixel) {
  Image image(5, 3, 0x11223344);
  image.At(4, 2)[0] = 200;
  image.At(0, 1)[3] = 0;
  const testing_support::TempFolder folder("preview_image_test");
  const auto path = (folder / "image.png").string();
  std::string error;
  ASSERT_TRUE(WritePng(image, path, &error)) << error;
  Image read;
  ASSERT_TRUE(ReadPng(path, &read, &error)) << error;
  EXPECT_EQ(read.width, 5);
  EXPECT_EQ(read.height, 3);
  EXPECT_EQ(read.pixels, image.pixels);
  std::filesystem::remove(path);
  EXPECT_FALSE(ReadPng(path, &read, &error));
  EXPECT_FALSE(WritePng(image, "/nonexistent-folder/x.png", &error));
}

std::optional<PreviewOptions> Parse(std::vector<const char*> args, std::string* error) {
  args.insert(args.begin(), "preview");
  return ParseOptions(int(args.size()), const_cast<char**>(args.data()), error);
}

TEST(PreviewOptions, DefaultsWorkAndBadValuesAreRefused) {
  std::string error;
  const auto defaults = Parse({}, &error);
  ASSERT_TRUE(defaults);
  EXPECT_TRUE(defaults->script.empty());
  EXPECT_EQ(defaults->out, "preview-out");
  const auto given = Parse({"--canvas", "640x360", "--frames", "30", "--script", "s.txt"}, &error);
  ASSERT_TRUE(given);
  EXPECT_EQ(given->canvas_width, 640);
  EXPECT_EQ(given->canvas_height, 360);
  EXPECT_EQ(given->frames, 30);
  EXPECT_EQ(given->script, "s.txt");
  for (const auto& bad : std::vector<std::vector<const char*>>{
           {"--frames", "0"}, {"--frames", "12x"}, {"--canvas", "640"}, {"--canvas", "0x5"}, {"--canvas", "9000x10"},
           {"--frames"}, {"--colour", "red"}}) {
    EXPECT_FALSE(Parse(bad, &error));
    EXPECT_FALSE(error.empty()) << bad[0];
  }
  EXPECT_FALSE(Parse({"--help"}, &error));
  EXPECT_TRUE(error.empty());
}

TEST(PreviewOptions, ConfigureTakesTheSourceNamesUpToTheNextOption) {
  std::string error;
  EXPECT_FALSE(Parse({}, &error)->configure);
  const auto all = Parse({"--configure"}, &error);
  ASSERT_TRUE(all);
  EXPECT_TRUE(all->configure);
  EXPECT_TRUE(all->configure_sources.empty());
  const auto named = Parse({"--configure", "top", "bottom", "--frames", "5"}, &error);
  ASSERT_TRUE(named);
  EXPECT_EQ(named->configure_sources, (std::vector<std::string>{"top", "bottom"}));
  EXPECT_EQ(named->frames, 5);
}

}  // namespace
