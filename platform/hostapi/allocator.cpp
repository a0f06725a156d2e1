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
    const std::size_t call = calls_.fetch_add(1) + 1;
    if (fault_armed_.load() && (fault_nth_.load() == 0 || call - fault_start_.load() == fault_nth_.load()))
      return nullptr;
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

  std::size_t Calls() const { return calls_.load(); }

  void ArmFault(std::size_t nth) {
    fault_nth_.store(nth);
    fault_start_.store(calls_.load());
    fault_armed_.store(true);
  }
  void DisarmFault() { fault_armed_.store(false); }

 private:
  std::mutex mutex_;
  std::unordered_set<void*> live_;
  std::atomic<std::size_t> calls_{0};
  std::atomic<bool> fault_armed_{false};
  std::atomic<std::size_t> fault_nth_{0};    // 0: every allocation fails
  std::atomic<std::size_t> fault_start_{0};  // calls_ when the fault was armed
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
std::size_t AllocationCount() { return Instance().Calls(); }

ScopedAllocationFault::ScopedAllocationFault(std::size_t nth) { Instance().ArmFault(nth); }
ScopedAllocationFault::~ScopedAllocationFault() { Instance().DisarmFault(); }

}  // namespace standin
