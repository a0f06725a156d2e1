#pragma once

#include <type_traits>

// The host application interface the plug-in is written against.

#include "host/alloc.h"
#include "host/graphics.h"
#include "host/image_source.h"
#include "host/string.h"
#include "host/vect2.h"
#include "host/xelement.h"
#include "host/host_api_export.h"
#include "platform/calling_conventions.h"

// The host's library is a C++ one: its functions and the callbacks it calls
// are __cdecl and its member functions __thiscall on 32-bit Windows, the
// compiler's defaults there; the free functions and callbacks say so.
using CreateSourceCallback = ImageSource*(WIN_CDECL*)(XElement* element);
using ConfigureSourceCallback = bool(WIN_CDECL*)(XElement* element, bool creating);

class HOST_API APIInterface {
 public:
  virtual ~APIInterface() = default;
  virtual void RegisterSourceClass(const char16_t* class_name, const char16_t* display_name,
                                   CreateSourceCallback create, ConfigureSourceCallback configure) = 0;
};

class HOST_API LocaleStringLookup {
 public:
  virtual ~LocaleStringLookup() = default;
  // The localised text for `key`, or the text "(string not found)" when
  // there is none (never the key).
  virtual const char16_t* LookupString(const char16_t* key) = 0;
};

HOST_API extern APIInterface* API;
HOST_API extern LocaleStringLookup* locale;

// Shows a message to the user. `owner` is a window handle or null.
HOST_API int WIN_CDECL OBSMessageBox(void* owner, const char16_t* text, const char16_t* caption, unsigned flags);

// The host log's own variadic functions: Log writes a line, AppWarning a
// warning line. The format takes %s (a UTF-16 text), %d, %i, %u, %x, %f and %%.
using HostLogFunction = void(WIN_CDECL*)(const char16_t* format, ...);
HOST_API HostLogFunction HostLog();
HOST_API HostLogFunction HostAppWarning();

// Log and AppWarning hand their arguments to the host's functions as they
// are, so that the host formats them: numbers, characters and pointers
// (a UTF-16 text for %s) only, as for any variadic function.
template <class... Args>
void Log(const char16_t* format, Args... args) {
  static_assert((std::is_scalar_v<Args> && ...), "Log takes numbers and pointers");
  HostLog()(format, args...);
}
template <class... Args>
void AppWarning(const char16_t* format, Args... args) {
  static_assert((std::is_scalar_v<Args> && ...), "AppWarning takes numbers and pointers");
  HostAppWarning()(format, args...);
}

// Registers the host's colour picker control class for `module_instance`.
HOST_API void WIN_CDECL InitColorControl(void* module_instance);
