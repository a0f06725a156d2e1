#pragma once

#include "module/bindings/source_binding.h"

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

  // Moves `record` to the end. False (and nothing stored) when the storage
  // cannot grow. Allocates nothing but the storage, so a stored record is
  // always whole.
  bool Append(SourceBinding record);
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

// The first record whose innerId equals `inner_id`, or null; an empty
// innerId names no record.
SourceBinding* FindBindingByInnerId(const char16_t* inner_id);
// The first record whose window is `window`, marked or not, or null.
SourceBinding* FindBindingByWindow(win::HWND window);
// Appends ".delete" to the innerId of every record equal to `inner_id` and
// lets go of their element, which the host frees with the source. Without
// memory for the longer innerId the record's innerId becomes empty, which no
// lookup finds, and the element is let go all the same.
void MarkBindingDeleted(const char16_t* inner_id);
