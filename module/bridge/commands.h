#pragma once

#include "module/platform/win32_handles.h"

class String;
class XElement;

// The command texts the companion understands. Each command is the keyword
// followed directly by its argument.
inline constexpr char16_t kSetPlatformCommand[] = u"setPlatform:";
inline constexpr char16_t kPlatformId[] = u"6";
inline constexpr char16_t kInitCommand[] = u"init:";
inline constexpr char16_t kAsciiCommand[] = u"ASCII";
inline constexpr char16_t kSetCommand[] = u"Set:";
inline constexpr char16_t kStartCommand[] = u"start:";
inline constexpr char16_t kStopCommand[] = u"stop:";
inline constexpr char16_t kShowFormCommand[] = u"ShowForm:";
inline constexpr char16_t kQuitCommand[] = u"quit";
inline constexpr char16_t kSettingsSeparator[] = u"{|}";

// A window's number: the low 32 bits of its handle as a signed decimal.
int WindowNumber(win::HWND window);
// `keyword` followed by the window's number.
String WindowCommand(const char16_t* keyword, win::HWND window);

// The full "Set:" line for a source: the window number and the 26 settings of
// `element`, each with its companion-side default, joined by "{|}".
// Also sets UsingAscii from the element's "usingASCII".
String BuildSettingsLine(XElement* element, win::HWND window);

// Reads the settings, then (while the runtime runs) sends "ASCII" when
// UsingAscii is 1 and the "Set:" line. Does nothing for a null element.
void BuildAndSendSettings(XElement* element, win::HWND window);
