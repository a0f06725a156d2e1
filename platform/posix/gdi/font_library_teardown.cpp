// libgdiplus's GdiplusShutdown ends with fontconfig's FcFini, and FcFini
// aborts the process (an assertion) while any font pattern taken from
// fontconfig's cache is still referenced. Pango and cairo, which libgdiplus
// draws text with, keep such patterns in caches of their own, so a host that
// shuts GDI+ down after drawing text could abort at that point. On Windows,
// GdiplusShutdown leaves the system's fonts alone; this definition, in front
// of fontconfig's (see next_definition.h), does the same here, and the font
// library's memory goes with the process.

#include "platform_export.h"

extern "C" PLATFORM_EXPORT void FcFini() {}
