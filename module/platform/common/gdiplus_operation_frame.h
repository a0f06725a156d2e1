#pragma once

// What both implementations of module/platform/gdiplus.h share: the declarations of
// their hand-written bodies, one per operation of the list
// (module/platform/gdiplus_operations.h), and the frame every interface function
// runs its body in: the tests' fault hook (standins/fault_injection/gdiplus_faults.h), then
// the body. Each implementation expands the list into the interface's
// functions, each calling its frame with its operation, its body and its
// arguments; Linux adds the GDI+ lock around the frame.

#include <tuple>

#include "module/platform/gdiplus.h"
#include "standins/fault_injection/gdiplus_faults.h"

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

// `work` on `arguments`, unless a fault is injected into `operation`. The
// object the operation makes is cleared first, so that a failure, injected
// or not, leaves null there.
template <typename Work, typename... Arguments>
Status UnlessInjected(Operation operation, Work work, const std::tuple<Arguments...>& arguments) {
  std::apply([](const auto&... argument) { (frame_detail::ClearMade(argument), ...); }, arguments);
  if (const Status fault = platform::ScheduledFault::Check(FaultSlot(operation))) return fault;
  return std::apply(work, arguments);
}

}  // namespace gdiplus
