#pragma once

// The calling conventions of the Windows interfaces, for declarations that
// portable code shares with the system. 32-bit Windows has several: the
// system's functions, the procedures it calls back (window procedures), the
// GDI+ flat API and COM methods are __stdcall (the callee pops its
// arguments), while C functions default to __cdecl. A call through a
// declaration with the wrong one unbalances the stack, so every such
// declaration names its convention. 64-bit Windows has one convention and
// the compiler ignores the keywords; the stand-ins elsewhere have one too.
// The one place where the platforms differ in this respect.

#if defined(_WIN32)
#define WIN_STDCALL __stdcall
#define WIN_CDECL __cdecl
#else
#define WIN_STDCALL
#define WIN_CDECL
#endif

// The names of the system's headers, for what each declaration is.
#define WIN_API WIN_STDCALL       // user32, gdi32, kernel32 (WINAPI)
#define WIN_CALLBACK WIN_STDCALL  // procedures the system calls (CALLBACK)
#define WIN_GDIPAPI WIN_STDCALL   // the GDI+ flat API (WINGDIPAPI)
