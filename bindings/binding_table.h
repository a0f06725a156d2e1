#pragma once

#include "bindings/source_binding.h"

// The module's growable array of bindings, in creation order, in storage from
// the host allocator. Records are never removed or reordered, but an append
// may move them all: no pointer to a record is kept across an append.
// Callers hold SharedStateMutex().
class BindingTable {
 public:
  BindingTable() = default;
  ~BindingTable();
  BindingTable(const BindingTable&) = delete;
  BindingTable& operator=(const BindingTable&) = delete;

  // Copies `record` to the end. False (and nothing stored) when the storage
  // cannot grow.
  bool Append(const SourceBinding& record);
  unsigned Count() const { return count_; }
  SourceBinding& operator[](unsigned index) { return records_[index]; }

 private:
  SourceBinding* records_ = nullptr;
  unsigned count_ = 0;
  unsigned capacity_ = 0;
};

// The module's table, alive from CreateBindingTable() to
// DestroyBindingTable(); the module's load and unload call them.
BindingTable& Bindings();
void CreateBindingTable();
void DestroyBindingTable();

// The first record whose innerId equals `inner_id`, or null.
SourceBinding* FindBindingByInnerId(const String& inner_id);
// The first record whose window is `window`, marked or not, or null.
SourceBinding* FindBindingByWindow(win::HWND window);
// Appends ".delete" to the innerId of every record equal to `inner_id` and
// lets go of their element, which the host frees with the source.
void MarkBindingDeleted(const String& inner_id);
