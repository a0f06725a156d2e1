#pragma once

// Reading the binding table as the tests of BindOrCreate do.

#include <gtest/gtest.h>

#include <mutex>
#include <string>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bridge/commands.h"
#include "module/bridge/shared_state_mutex.h"
#include "standins/host_library/standin_host.h"

namespace testing_support {

// A window's number, as the plug-in writes it into innerId.
inline std::u16string Number(win::HWND window) {
  String text;
  text << WindowNumber(window);
  return text.c_str();
}

inline const SourceBinding* Find(const std::u16string& inner_id) {
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  return FindBindingByInnerId(inner_id.c_str());
}

// Appends records until the next append needs new storage: until one
// cannot be stored while the host allocator refuses every block. A filler
// record has no innerId, so it needs no block of its own and names no source.
inline void FillTheTable() {
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  standin::ScopedAllocationFault no_storage;
  while (Bindings().Append(SourceBinding())) {
  }
}

}  // namespace testing_support
