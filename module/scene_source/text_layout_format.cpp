#include "module/scene_source/text_layout_format.h"

OwnedFormat CreateTextLayoutFormat() {
  gdiplus::StringFormat* generic = nullptr;  // GDI+'s own, never released
  gdiplus::StringFormatGetGenericTypographic(&generic);
  gdiplus::StringFormat* copy = nullptr;
  gdiplus::CloneStringFormat(generic, &copy);
  OwnedFormat format(copy);
  gdiplus::SetStringFormatFlags(format.get(), gdiplus::StringFormatFlagsMeasureTrailingSpaces |
                                                  gdiplus::StringFormatFlagsNoFitBlackBox);
  gdiplus::SetStringFormatTrimming(format.get(), gdiplus::StringTrimmingWord);
  return format;
}
