#pragma once

// A global pointer of the host's that the host sets and clears while the
// plug-in runs, so that it is read afresh at every use: `GS->DrawSprite(…)`
// and `if (!GS)` see the host's value of that moment. The host's library
// provides the function that reads it.
template <class T>
class HostGlobal {
 public:
  using Read = T* (*)();
  constexpr explicit HostGlobal(Read read) : read_(read) {}

  T* operator->() const { return read_(); }
  operator T*() const { return read_(); }  // NOLINT: used as the pointer it stands for

 private:
  Read read_;
};
