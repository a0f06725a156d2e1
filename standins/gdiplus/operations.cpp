// The functions of module/platform/gdiplus.h on Linux: each runs its body (fonts.cpp,
// string_formats.cpp, graphics.cpp, drawing.cpp, session.cpp) in the one
// guarded frame.

#include <tuple>

#include "standins/gdiplus/guarded_call.h"

namespace gdiplus {

#define GDIPLUS_OPERATION(name, parameters, arguments) \
  Status name parameters { return GuardedCall(Operation::name, body::name, std::make_tuple arguments); }
#include "module/platform/gdiplus_operations.h"

}  // namespace gdiplus
