// The base source's default operations: a source that keeps no named values.

#include "host/image_source.h"

ImageSource::~ImageSource() = default;
void ImageSource::SetFloat(const char16_t*, float) {}
void ImageSource::SetInt(const char16_t*, int) {}
void ImageSource::SetString(const char16_t*, const char16_t*) {}
void ImageSource::SetVector(const char16_t*, const float*) {}
void ImageSource::SetVector2(const char16_t*, const Vect2&) {}
void ImageSource::SetVector4(const char16_t*, const float*) {}
void ImageSource::SetMatrix(const char16_t*, const float*) {}
float ImageSource::GetFloat(const char16_t*) const { return 0.0f; }
int ImageSource::GetInt(const char16_t*) const { return 0; }
const char16_t* ImageSource::GetString(const char16_t*) const { return nullptr; }
bool ImageSource::GetVector(const char16_t*, float*) const { return false; }
bool ImageSource::GetVector2(const char16_t*, Vect2*) const { return false; }
bool ImageSource::GetVector4(const char16_t*, float*) const { return false; }
bool ImageSource::GetMatrix(const char16_t*, float*) const { return false; }
