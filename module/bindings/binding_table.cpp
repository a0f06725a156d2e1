#include "module/bindings/binding_table.h"

#include <cstring>
#include <new>
#include <utility>

#include "module/host_api/alloc.h"

namespace {

BindingTable* table = nullptr;

// A record without a number names no source: it gave its number up when it
// was marked (MarkBindingDeleted).
bool NamedBy(const SourceBinding& record, const char16_t* inner_id) {
  return record.innerId.Length() != 0 && record.innerId == inner_id;
}

}  // namespace

BindingTable& Bindings() { return *table; }

void CreateBindingTable() { table = new BindingTable; }

void DestroyBindingTable() {
  delete table;
  table = nullptr;
}

BindingTable::~BindingTable() {
  for (unsigned i = 0; i < count_; ++i) records_[i].~SourceBinding();
  MainAllocator->FreeBlock(records_);
}

bool BindingTable::Append(SourceBinding record) {
  if (count_ == capacity_) {
    unsigned capacity = capacity_ + capacity_ / 2;
    if (capacity < count_ + 1) capacity = count_ + 1;
    auto* storage = static_cast<SourceBinding*>(MainAllocator->AllocateBlock(capacity * sizeof(SourceBinding)));
    if (!storage) return false;
    std::memset(static_cast<void*>(storage), 0, capacity * sizeof(SourceBinding));
    for (unsigned i = 0; i < count_; ++i) {
      new (&storage[i]) SourceBinding(std::move(records_[i]));
      records_[i].~SourceBinding();
    }
    MainAllocator->FreeBlock(records_);
    records_ = storage;
    capacity_ = capacity;
  }
  new (&records_[count_]) SourceBinding(std::move(record));
  ++count_;
  return true;
}

SourceBinding* FindBindingByInnerId(const char16_t* inner_id) {
  for (unsigned i = 0; i < Bindings().Count(); ++i)
    if (NamedBy(Bindings()[i], inner_id)) return &Bindings()[i];
  return nullptr;
}

SourceBinding* FindBindingByWindow(win::HWND window) {
  for (unsigned i = 0; i < Bindings().Count(); ++i)
    if (Bindings()[i].window == window) return &Bindings()[i];
  return nullptr;
}

void MarkBindingDeleted(const char16_t* inner_id) {
  for (unsigned i = 0; i < Bindings().Count(); ++i) {
    SourceBinding& record = Bindings()[i];
    if (!NamedBy(record, inner_id)) continue;
    const unsigned length = record.innerId.Length();
    record.innerId << u".delete";
    // Without memory for the suffix the record gives up its number, which
    // needs none: else the next source with that number would be bound to
    // this dead record.
    if (record.innerId.Length() == length) record.innerId = String();
    // The element goes with the source: later messages for this window
    // must not write into freed memory.
    record.element = nullptr;
  }
}
