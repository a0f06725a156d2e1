#pragma once

#include <cstdarg>
#include <string>

namespace standin {

// printf for UTF-16 formats: %s takes a UTF-16 text, %d/%i/%u/%x/%X an int,
// %f a double, %c a character, %% a percent sign; l/h length letters are
// accepted and ignored. An unknown conversion is copied as it stands.
std::u16string FormatWide(const char16_t* format, va_list args);

}  // namespace standin
