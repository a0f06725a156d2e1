// PNG reading and writing for Image, with libpng.

#include <png.h>

#include <cstdio>
#include <memory>

#include "standins/host_program/image.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void OnPngError(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

}  // namespace

// libpng reports errors by longjmp; nothing with a destructor is made
// between setjmp and the libpng calls.
bool WritePng(const Image& image, const std::string& path, std::string* error) {
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    *error = "cannot write " + path;
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, error, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    *error = "out of memory";
    return false;
  }
  std::vector<png_bytep> rows(std::size_t(image.height));
  for (int y = 0; y < image.height; ++y) rows[std::size_t(y)] = const_cast<png_bytep>(image.At(0, y));
  const bool ok = [&] {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file.get());
    png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
  }();
  png_destroy_write_struct(&png, &info);
  if (!ok) return false;
  if (std::fflush(file.get()) != 0) {
    *error = "cannot write " + path;
    return false;
  }
  return true;
}

bool ReadPng(const std::string& path, Image* image, std::string* error) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    *error = "cannot read " + path;
    return false;
  }
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, error, OnPngError, OnPngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    *error = "out of memory";
    return false;
  }
  const bool ok = [&] {
    if (setjmp(png_jmpbuf(png))) return false;
    png_init_io(png, file.get());
    // Whatever the file holds, as 8-bit RGBA.
    png_read_png(png, info,
                 PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_PACKING | PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_GRAY_TO_RGB,
                 nullptr);
    return true;
  }();
  if (ok) {
    const int width = int(png_get_image_width(png, info));
    const int height = int(png_get_image_height(png, info));
    const bool has_alpha = png_get_channels(png, info) == 4;
    png_bytepp rows = png_get_rows(png, info);
    *image = Image(width, height, 0);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        for (int c = 0; c < 4; ++c)
          image->At(x, y)[c] = c < 3 || has_alpha ? rows[y][x * (has_alpha ? 4 : 3) + c] : 255;
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return ok;
}
