#pragma once

#include "module/platform/clr_hosting.h"

class String;

// The module's references to the managed runtime; null until obtained and
// nulled when released. Every caller tests RuntimeHost before it involves
// the companion.
extern clr::ICLRMetaHost* MetaHost;
extern clr::ICLRRuntimeInfo* RuntimeInfo;
extern clr::ICLRRuntimeHost* RuntimeHost;

// Where and how the companion is reached.
inline constexpr char16_t kRuntimeVersion[] = u"v4.0.30319";
inline constexpr char16_t kCompanionPath[] = u".\\plugins\\QuilloraThanks\\Kelvaro.dll";
inline constexpr char kCompanionPathA[] = ".\\plugins\\QuilloraThanks\\Kelvaro.dll";
inline constexpr char16_t kCompanionType[] = u"Kelvaro.Kelvaro";
inline constexpr char16_t kCompanionMethod[] = u"Command";

// The companion's answer to one command. Only while RuntimeHost is set.
struct CommandResult {
  // False when the runtime could not make the call at all (companion file
  // missing, method not found); the answer is then 0.
  bool delivered;
  int answer;
};

// Sends `text` to the companion's Command method and returns its answer, 0
// when the call failed inside the runtime.
int SendCommand(const String& text);
// The same, telling a failed call apart from an answer of 0.
CommandResult SendCommandChecked(const String& text);
