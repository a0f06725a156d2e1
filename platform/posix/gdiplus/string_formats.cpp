// String formats: libgdiplus's, passed through.

#include "platform/posix/gdiplus/objects.h"
#include "platform/posix/gdiplus/guarded_call.h"
#include "platform/gdiplus_faults.h"
#include "platform/gdiplus_lock.h"

namespace gdiplus {

Status StringFormatGetGenericTypographic(StringFormat** format) {
  platform::GdiplusGuard guard;
  if (const Status fault = InjectedStatus(Operation::StringFormatGetGenericTypographic, format)) return fault;
  return GdipStringFormatGetGenericTypographic(reinterpret_cast<GpStringFormat**>(format));
}

Status CloneStringFormat(const StringFormat* format, StringFormat** clone) {
  platform::GdiplusGuard guard;
  if (const Status fault = InjectedStatus(Operation::CloneStringFormat, clone)) return fault;
  return GdipCloneStringFormat(Native(format), reinterpret_cast<GpStringFormat**>(clone));
}

Status SetStringFormatFlags(StringFormat* format, int flags) {
  return CallLibrary(Operation::SetStringFormatFlags, GdipSetStringFormatFlags, Native(format), flags);
}

Status SetStringFormatTrimming(StringFormat* format, int trimming) {
  return CallLibrary(Operation::SetStringFormatTrimming, GdipSetStringFormatTrimming, Native(format), trimming);
}

Status DeleteStringFormat(StringFormat* format) {
  return CallLibrary(Operation::DeleteStringFormat, GdipDeleteStringFormat, Native(format));
}

}  // namespace gdiplus
