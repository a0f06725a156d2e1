#pragma once

// The host's text helpers behind String::KillSpaces and String::ToInt, which
// the host's library also exports on their own (sfix, ValidIntString,
// tstring_base_to_int).

namespace standin {

// Removes leading and trailing spaces, tabs and ideographic spaces in place,
// moving the text to the start; line breaks stay. Returns `text`.
char16_t* TrimSpaces(char16_t* text);
// An optional sign and decimal digits only, nothing before or after.
bool IsDecimalIntegerText(const char16_t* text);
// The value of an optional sign and the digits valid in `base` that follow,
// saturated to 32 bits; *end (when given) points past the digits read.
int TextToInt(const char16_t* text, char16_t** end, int base);

}  // namespace standin
