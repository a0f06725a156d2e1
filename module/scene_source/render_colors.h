#pragma once

// The colours of a rendered texture from a source's settings, all ARGB with
// alpha in the top byte. Opacities are percentages. The arithmetic is the
// host-visible contract: unsigned 32-bit integers that wrap, and for the
// outline single-precision floats, so results for out-of-range settings and
// the off-by-one products of 0.01 are intended.

#include <cstdint>

// (percent * 255) / 100 in alpha position; only the low 8 bits of the
// quotient reach the alpha byte.
uint32_t OpacityAlpha(uint32_t percent);

uint32_t TextArgb(uint32_t color, uint32_t text_opacity);
// Transparent whenever there is no text to show.
uint32_t BackgroundArgb(uint32_t background_color, uint32_t background_opacity, bool has_text);
// The outline's opacity is scaled by the text's, so invisible text has an
// invisible outline.
uint32_t OutlineArgb(uint32_t outline_color, uint32_t outline_opacity, uint32_t text_opacity);
