// A build without libjpeg-turbo and libwebp has no live run.

#include "preview/host_run.h"
#include "preview/live_run.h"

int RunLive(const PreviewOptions&) { return Fail("this build has no --live (it needs libjpeg-turbo and libwebp)"); }
