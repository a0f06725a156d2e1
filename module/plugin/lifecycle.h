#pragma once

// What the exported entry points do; see module/plugin/exports.cpp.

inline constexpr char16_t kSourceClassName[] = u"Quillora答谢水友插件";
inline constexpr char16_t kSourceDisplayName[] = u"Quillora答谢水友";
inline constexpr char16_t kPluginDescription[] = u"Quillora答谢插件";

// Warns when the companion is missing, starts the runtime (false and a
// message when it cannot) and registers the source class.
bool StartPlugin();
// Tells the companion to quit, stops and releases the runtime, and closes the
// module's windows.
void StopPlugin();
