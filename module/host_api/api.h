#pragma once

#include <type_traits>

// The host application interface the plug-in is written against.

#include "module/host_api/alloc.h"
#include "module/host_api/graphics.h"
#include "module/host_api/host_api_export.h"
#include "module/host_api/image_source.h"
#include "module/host_api/string.h"
#include "module/host_api/vect2.h"
#include "module/host_api/xelement.h"
#include "module/platform/calling_conventions.h"

// The source class's callbacks, as the plug-in writes them. The host's
// library hands the host callbacks of its own convention that call these.
using CreateSourceCallback = ImageSource* (*)(XElement* element);
using ConfigureSourceCallback = bool (*)(XElement* element, bool creating);

// Registers a source class: `create` makes a source for its settings
// element, `configure` (which may be null) runs the class's settings dialog
// for the source's element. The host's library copies the names.
HOST_API void WIN_CDECL OBSRegisterImageSourceClass(const char16_t* class_name, const char16_t* display_name,
                                                    CreateSourceCallback create, ConfigureSourceCallback configure);

// The host's texts by key. The object is the host's; its member is a
// function of the host's library.
class HOST_API LocaleStringLookup {
 public:
  LocaleStringLookup(const LocaleStringLookup&) = delete;
  LocaleStringLookup& operator=(const LocaleStringLookup&) = delete;

  // The localised text for `key`, or the text "(string not found)" when
  // there is none (never the key).
  const char16_t* LookupString(const char16_t* key);

 protected:
  LocaleStringLookup() = default;
  ~LocaleStringLookup() = default;
};

HOST_API extern const HostGlobal<LocaleStringLookup> locale;

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
