#pragma once

#include <cstddef>

#include "host/host_api_export.h"

// The host's allocator. Every dynamic allocation of the plug-in goes through
// MainAllocator so that the host can account for it.
class HOST_API Alloc {
 public:
  virtual ~Alloc() = default;
  // Returns a block of at least `size` bytes, or null when memory is exhausted.
  // The content is unspecified; callers that need zeros clear it themselves.
  virtual void* AllocateBlock(std::size_t size) = 0;
  // Returns a block from AllocateBlock. Null is ignored.
  virtual void FreeBlock(void* block) = 0;
};

HOST_API extern Alloc* MainAllocator;
