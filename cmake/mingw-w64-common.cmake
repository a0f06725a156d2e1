# Cross build for Windows with MinGW-w64, included by the toolchain file of
# each architecture after it sets CMAKE_SYSTEM_PROCESSOR and
# QUILLORA_MINGW_TRIPLE. The -posix compilers: the default (win32) thread
# model of GCC 12 has no std::thread or std::mutex. Everything links with
# -static, so no module needs the MinGW runtime DLLs. How CTest starts the
# programs, under Wine, is cmake/wine-emulator.cmake.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUILLORA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLORA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLORA_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLORA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)
