#pragma once

#include <cstdint>

// How the companion's WM_COPYDATA texts are encoded: exactly 1 means ANSI in
// the system code page, anything else UTF-16. One flag for every window.
// Guarded by SharedStateMutex().
extern int32_t UsingAscii;
