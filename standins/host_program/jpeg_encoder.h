#pragma once

// A picture as JPEG bytes (libjpeg-turbo), for the live page's frames.

#include <string>

#include "standins/host_program/image.h"

// `image`'s colours as a baseline JPEG at `quality` (1-100); alpha is dropped.
std::string EncodeJpeg(const Image& image, int quality);
