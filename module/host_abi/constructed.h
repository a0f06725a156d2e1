#pragma once

// A value that a call constructs in storage its caller gives: how a String
// returned by value crosses between the module's two compilers, whose ways
// of returning a class differ.
template <class T, class Construct>
T Constructed(Construct construct) {
  union Storage {
    Storage() {}
    ~Storage() {}
    T value;
  } storage;
  construct(&storage.value);
  T result(static_cast<T&&>(storage.value));
  storage.value.~T();
  return result;
}
