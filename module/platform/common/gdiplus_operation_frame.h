#pragma once

// What both implementations of module/platform/gdiplus.h share: the
// declarations of their hand-written bodies, one per operation of the list
// (module/platform/gdiplus_operations.h), and the frame every interface
// function runs its body in. Each implementation expands the list into the
// interface's functions, each calling the frame with its body and its
// arguments; Linux adds the GDI+ lock around it, and the tests' variant a
// fault hook (standins/fault_injection/gdiplus_fault_frame.h).

#include <tuple>

#include "module/platform/gdiplus.h"

namespace gdiplus {

// The work of each function, without the frame.
namespace body {
#define GDIPLUS_OPERATION(name, parameters, arguments) Status name parameters;
#include "module/platform/gdiplus_operations.h"
}  // namespace body

namespace frame_detail {

// Objects an operation makes are its only pointer-to-pointer arguments.
template <typename Object>
void ClearMade(Object** made) {
  if (made) *made = nullptr;
}
template <typename Argument>
void ClearMade(const Argument&) {}

}  // namespace frame_detail

// Clears the objects an operation would make, so that a failure leaves null
// there.
template <typename... Arguments>
void ClearMadeObjects(const std::tuple<Arguments...>& arguments) {
  std::apply([](const auto&... argument) { (frame_detail::ClearMade(argument), ...); }, arguments);
}

// `work` on `arguments`, the objects it makes cleared first.
template <typename Work, typename... Arguments>
Status RunOperation(Work work, const std::tuple<Arguments...>& arguments) {
  ClearMadeObjects(arguments);
  return std::apply(work, arguments);
}

}  // namespace gdiplus
