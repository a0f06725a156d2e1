#pragma once

// Failures on purpose, for tests: while an InjectedFault lives, the chosen
// function of platform/gdiplus.h returns the chosen status on its Nth call
// or on every call (platform/scheduled_fault.h) without doing anything
// else; an object it would make comes back null. Faults on different
// functions combine.

#include "platform/gdiplus.h"
#include "platform/scheduled_fault.h"
#include "platform_export.h"

namespace gdiplus {

enum class Operation {
  Startup,
  CreateFontFromLogfontA,
  CreateFontFromLogfontW,
  CreateFontFromDC,
  GetFamily,
  GetFontSize,
  GetFontStyle,
  DeleteFont,
  DeleteFontFamily,
  StringFormatGetGenericTypographic,
  CloneStringFormat,
  SetStringFormatFlags,
  SetStringFormatTrimming,
  DeleteStringFormat,
  CreateFromHDC,
  CreateBitmapFromScan0,
  GetImageGraphicsContext,
  SetTextRenderingHint,
  SetCompositingMode,
  SetSmoothingMode,
  DeleteGraphics,
  DisposeBitmap,
  MeasureString,
  GraphicsClear,
  CreateSolidFill,
  DeleteBrush,
  FillRectangle,
  DrawString,
  CreatePath,
  AddPathString,
  DeletePath,
  CreatePen,
  SetPenLineJoin,
  DeletePen,
  DrawPath,
  FillPath,
  Count
};

PLATFORM_EXPORT platform::ScheduledFault** FaultSlot(Operation operation);

class InjectedFault : public platform::ScheduledFault {
 public:
  InjectedFault(Operation operation, Status status, int nth_call = platform::kEveryCall)
      : ScheduledFault(FaultSlot(operation), status, nth_call) {}
};

// For the implementations: the status `operation` is to fail with now, Ok
// when it is to run.
inline Status InjectedStatus(Operation operation) { return platform::ScheduledFault::Check(FaultSlot(operation)); }

// The same for an operation that makes an object: first clears *made, so
// that a failure, injected or not, leaves null there.
template <typename Object>
Status InjectedStatus(Operation operation, Object** made) {
  if (made) *made = nullptr;
  return InjectedStatus(operation);
}

}  // namespace gdiplus
