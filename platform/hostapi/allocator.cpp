// The host allocator: malloc underneath, with a count of live blocks so that
// tests can show the plug-in returns everything it takes.

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <unordered_set>

#include "platform/hostapi/standin_host.h"

namespace {

class CountingAllocator : public Alloc {
 public:
  void* AllocateBlock(std::size_t size) override {
    if (fail_.load()) return nullptr;
    void* block = std::malloc(size ? size : 1);
    if (!block) return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    live_.insert(block);
    return block;
  }

  void FreeBlock(void* block) override {
    if (!block) return;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (live_.erase(block) == 0) {
        // Freeing a block the allocator never handed out corrupts the heap:
        // stop at once, where the fault is.
        std::fprintf(stderr, "host allocator: FreeBlock of unknown block %p\n", block);
        std::abort();
      }
    }
    std::free(block);
  }

  std::size_t Live() {
    std::lock_guard<std::mutex> lock(mutex_);
    return live_.size();
  }

  std::atomic<bool> fail_{false};

 private:
  std::mutex mutex_;
  std::unordered_set<void*> live_;
};

CountingAllocator& Instance() {
  // Never destroyed: modules unloaded at process exit may still free blocks.
  static CountingAllocator* allocator = new CountingAllocator;
  return *allocator;
}

}  // namespace

Alloc* MainAllocator = &Instance();

namespace standin {

std::size_t LiveBlocks() { return Instance().Live(); }
void SetAllocationFailure(bool fail) { Instance().fail_.store(fail); }

}  // namespace standin
