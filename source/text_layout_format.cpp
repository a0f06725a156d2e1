#include "source/text_layout_format.h"

OwnedFormat CreateTextLayoutFormat() {
  GpStringFormat* generic = nullptr;  // GDI+'s own, never released
  GdipStringFormatGetGenericTypographic(&generic);
  GpStringFormat* copy = nullptr;
  GdipCloneStringFormat(generic, &copy);
  OwnedFormat format(copy);
  GdipSetStringFormatFlags(format.get(), StringFormatFlagsMeasureTrailingSpaces | StringFormatFlagsNoFitBlackBox);
  GdipSetStringFormatTrimming(format.get(), StringTrimmingWord);
  return format;
}
