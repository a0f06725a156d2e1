// What freestanding MSVC-mode code needs from a runtime: this half of the
// module links no C runtime.

extern "C" {
// Marks floating point in use; the MSVC linker looks for it.
int _fltused = 0;
// A pure virtual slot called during construction or destruction: never here.
int __cdecl _purecall() { __builtin_trap(); }
}
