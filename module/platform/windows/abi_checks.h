#pragma once

// Compile-time checks of our declarations against the system's own, for
// what we hand to the system as it is: a structure of ours must have the
// size and field offsets of the system's, and a function or method of ours
// the system's calling convention. Only the convention of a function is
// compared, not its type: our parameter types are the portable ones
// (char16_t for wchar_t, our handle types). On x64 the compiler ignores the
// convention keywords, so every function counts as __stdcall and those
// checks hold trivially; on x86 they compare.

#include <cstddef>

#define ABI_SAME_SIZE(ours, theirs) static_assert(sizeof(ours) == sizeof(theirs), #ours " size")
#define ABI_SAME_FIELD(ours, theirs, field)                                          \
  static_assert(offsetof(ours, field) == offsetof(theirs, field), #ours "." #field); \
  static_assert(sizeof(ours::field) == sizeof(theirs::field), #ours "." #field)

namespace platform::windows {

template <class R, class... Params>
constexpr bool IsStdcall(R(__stdcall*)(Params...)) {
  return true;
}
template <class R, class Class, class... Params>
constexpr bool IsStdcall(R (__stdcall Class::*)(Params...)) {
  return true;
}
template <class Other>
constexpr bool IsStdcall(Other) {
  return false;
}

template <class Ours, class Theirs>
constexpr bool SameConvention(Ours ours, Theirs theirs) {
  return IsStdcall(ours) == IsStdcall(theirs);
}

}  // namespace platform::windows
