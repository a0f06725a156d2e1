#include "standins/host_program/jpeg_encoder.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::string EncodeJpeg(const Image& image, int quality) {
  jpeg_compress_struct encoder;
  jpeg_error_mgr errors;
  encoder.err = jpeg_std_error(&errors);
  jpeg_create_compress(&encoder);
  unsigned char* bytes = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&encoder, &bytes, &size);
  encoder.image_width = JDIMENSION(image.width);
  encoder.image_height = JDIMENSION(image.height);
  // libjpeg-turbo reads the RGBA rows as they are and skips the alpha.
  encoder.input_components = 4;
  encoder.in_color_space = JCS_EXT_RGBA;
  jpeg_set_defaults(&encoder);
  jpeg_set_quality(&encoder, quality, TRUE);
  encoder.dct_method = JDCT_IFAST;
  jpeg_start_compress(&encoder, TRUE);
  while (encoder.next_scanline < encoder.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.At(0, int(encoder.next_scanline)));
    jpeg_write_scanlines(&encoder, &row, 1);
  }
  jpeg_finish_compress(&encoder);
  jpeg_destroy_compress(&encoder);
  std::string jpeg(reinterpret_cast<const char*>(bytes), size);
  std::free(bytes);
  return jpeg;
}
