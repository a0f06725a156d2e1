// String formats: libgdiplus's, passed through.

#include "module/platform/common/gdiplus_operation_frame.h"
#include "standins/gdiplus/objects.h"

namespace gdiplus {

namespace body {

Status StringFormatGetGenericTypographic(StringFormat** format) {
  return GdipStringFormatGetGenericTypographic(reinterpret_cast<GpStringFormat**>(format));
}

Status CloneStringFormat(const StringFormat* format, StringFormat** clone) {
  return GdipCloneStringFormat(Native(format), reinterpret_cast<GpStringFormat**>(clone));
}

Status SetStringFormatFlags(StringFormat* format, int flags) {
  return GdipSetStringFormatFlags(Native(format), flags);
}

Status SetStringFormatTrimming(StringFormat* format, int trimming) {
  return GdipSetStringFormatTrimming(Native(format), trimming);
}

Status DeleteStringFormat(StringFormat* format) {
  return GdipDeleteStringFormat(Native(format));
}

}  // namespace body

}  // namespace gdiplus
