#pragma once

// Placement new for freestanding MSVC-mode code, which has no <new>: objects
// built in storage their owner provides.
inline void* operator new(decltype(sizeof(0)), void* storage) noexcept { return storage; }
