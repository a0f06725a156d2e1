#pragma once

#include "module/host_api/string.h"
#include "module/platform/win32.h"

// The payload's text, ANSI or UTF-16 as UsingAscii says. Never reads past
// cbData bytes. Caller holds SharedStateMutex().
String DecodeCopyDataText(const win::COPYDATASTRUCT& data);
