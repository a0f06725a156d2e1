#pragma once

// LOGFONTW and LOGFONTA differ only in their face's character width: the
// other fields, copied from one to the other, with an empty face.

#include "module/platform/win32.h"

namespace gdi {

template <typename To, typename From>
To WithFieldsOf(const From& from) {
  To to{};
  to.lfHeight = from.lfHeight;
  to.lfWidth = from.lfWidth;
  to.lfEscapement = from.lfEscapement;
  to.lfOrientation = from.lfOrientation;
  to.lfWeight = from.lfWeight;
  to.lfItalic = from.lfItalic;
  to.lfUnderline = from.lfUnderline;
  to.lfStrikeOut = from.lfStrikeOut;
  to.lfCharSet = from.lfCharSet;
  to.lfOutPrecision = from.lfOutPrecision;
  to.lfClipPrecision = from.lfClipPrecision;
  to.lfQuality = from.lfQuality;
  to.lfPitchAndFamily = from.lfPitchAndFamily;
  return to;
}

}  // namespace gdi
