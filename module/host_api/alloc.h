#pragma once

#include <cstddef>

#include "module/host_api/host_api_export.h"
#include "module/host_api/host_global.h"

// The host's allocator. Every dynamic allocation of the plug-in goes through
// MainAllocator so that the host can account for it. The object is the
// host's; its members are functions of the host's library.
class HOST_API Alloc {
 public:
  Alloc(const Alloc&) = delete;
  Alloc& operator=(const Alloc&) = delete;

  // Returns a block of at least `size` bytes, or null when memory is exhausted.
  // The content is unspecified; callers that need zeros clear it themselves.
  void* AllocateBlock(std::size_t size);
  // Returns a block from AllocateBlock. Null is ignored.
  void FreeBlock(void* block);

 protected:
  Alloc() = default;
  ~Alloc() = default;
};

// The host sets it before it loads any plug-in and keeps it.
HOST_API extern const HostGlobal<Alloc> MainAllocator;
