// The host allocator: malloc underneath, with a count of live blocks so that
// tests can show the plug-in returns everything it takes, and a fault slot
// (standins/fault_injection/scheduled_fault.h) so that tests can make allocations fail.

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <unordered_set>

#include "standins/fault_injection/scheduled_fault.h"
#include "standins/host_library/standin_host.h"

namespace {

class CountingAllocator : public Alloc {
 public:
  void* Allocate(std::size_t size) {
    calls_.fetch_add(1);
    if (platform::ScheduledFault::Check(&fault_slot_)) return nullptr;
    void* block = std::malloc(size ? size : 1);
    if (!block) return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    live_.insert(block);
    return block;
  }

  void Free(void* block) {
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

  platform::ScheduledFault** FaultSlot() { return &fault_slot_; }

 private:
  std::mutex mutex_;
  std::unordered_set<void*> live_;
  std::atomic<std::size_t> calls_{0};
  platform::ScheduledFault* fault_slot_ = nullptr;
};

CountingAllocator& Instance() {
  // Never destroyed: modules unloaded at process exit may still free blocks.
  static CountingAllocator* allocator = new CountingAllocator;
  return *allocator;
}

Alloc* TheAllocator() { return &Instance(); }

}  // namespace

void* Alloc::AllocateBlock(std::size_t size) { return static_cast<CountingAllocator*>(this)->Allocate(size); }
void Alloc::FreeBlock(void* block) { static_cast<CountingAllocator*>(this)->Free(block); }

extern const HostGlobal<Alloc> MainAllocator{&TheAllocator};

namespace standin {

std::size_t LiveBlocks() { return Instance().Live(); }
std::size_t AllocationCount() { return Instance().Calls(); }

ScopedAllocationFault::ScopedAllocationFault(int nth_call) : fault_(Instance().FaultSlot(), 1, nth_call) {}
ScopedAllocationFault::~ScopedAllocationFault() = default;

}  // namespace standin
