#pragma once

// The host application interface the plug-in is written against.

#include "host/alloc.h"
#include "host/graphics.h"
#include "host/image_source.h"
#include "host/string.h"
#include "host/vect2.h"
#include "host/xelement.h"
#include "hostapi_export.h"
#include "platform/calling_conventions.h"

// The host's library is a C++ one: its functions and the callbacks it calls
// are __cdecl and its member functions __thiscall on 32-bit Windows, the
// compiler's defaults there; the free functions and callbacks say so.
using CreateSourceCallback = ImageSource*(WIN_CDECL*)(XElement* element);
using ConfigureSourceCallback = bool(WIN_CDECL*)(XElement* element, bool creating);

class HOSTAPI_EXPORT APIInterface {
 public:
  virtual ~APIInterface() = default;
  virtual void RegisterSourceClass(const char16_t* class_name, const char16_t* display_name,
                                   CreateSourceCallback create, ConfigureSourceCallback configure) = 0;
};

class HOSTAPI_EXPORT LocaleStringLookup {
 public:
  virtual ~LocaleStringLookup() = default;
  // The localised text for `key`, or the text "(string not found)" when
  // there is none (never the key).
  virtual const char16_t* LookupString(const char16_t* key) = 0;
};

HOSTAPI_EXPORT extern APIInterface* API;
HOSTAPI_EXPORT extern LocaleStringLookup* locale;

// Shows a message to the user. `owner` is a window handle or null.
HOSTAPI_EXPORT int WIN_CDECL OBSMessageBox(void* owner, const char16_t* text, const char16_t* caption, unsigned flags);

// Host log. The format takes %s (a UTF-16 text), %d, %i, %u, %x, %f and %%.
HOSTAPI_EXPORT void WIN_CDECL Log(const char16_t* format, ...);
// Host log, as a warning line.
HOSTAPI_EXPORT void WIN_CDECL AppWarning(const char16_t* format, ...);

// Registers the host's colour picker control class for `module_instance`.
HOSTAPI_EXPORT void WIN_CDECL InitColorControl(void* module_instance);
