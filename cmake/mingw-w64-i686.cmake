# Cross build for 32-bit Windows (x86) with MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUILLORA_MINGW_TRIPLE i686-w64-mingw32)
# Floating point in SSE registers, as on x64: the x87 default keeps
# intermediates at 80 bits, so single-precision arithmetic (the outline's
# alpha) would round differently from the other builds. Every processor
# that runs the 32-bit host has SSE2.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
