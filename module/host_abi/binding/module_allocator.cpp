// Every C++ allocation of the module goes to the host's allocator, as the
// host's own header arranges for every module built against it: new hands
// out zero-filled blocks of MainAllocator, delete gives them back. Linked
// into the module alone: programs that link the plug-in's code keep their
// own allocator.

#include <cstring>
#include <new>

#include "module/host_api/alloc.h"

void* operator new(std::size_t size) {
  void* block = MainAllocator->AllocateBlock(size);
  if (!block) throw std::bad_alloc();
  std::memset(block, 0, size);
  return block;
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  void* block = MainAllocator->AllocateBlock(size);
  if (block) std::memset(block, 0, size);
  return block;
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept {
  return ::operator new(size, nothrow);
}

void operator delete(void* block) noexcept { MainAllocator->FreeBlock(block); }
void operator delete[](void* block) noexcept { MainAllocator->FreeBlock(block); }
void operator delete(void* block, std::size_t) noexcept { MainAllocator->FreeBlock(block); }
void operator delete[](void* block, std::size_t) noexcept { MainAllocator->FreeBlock(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { MainAllocator->FreeBlock(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { MainAllocator->FreeBlock(block); }
