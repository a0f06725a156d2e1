#pragma once

// HOST_API marks what the host API library provides. The build defines it:
// where the stand-in host's library provides the host API (Linux), as that
// library's export (HOSTAPI_EXPORT); where the module binds to the real
// host's library itself (Windows, module/host_abi/), as nothing, for the binding is
// linked into the module.
#include "hostapi_export.h"
