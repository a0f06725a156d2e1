// A build without libjpeg-turbo and libwebp has no live run.

#include "standins/host_program/host_run.h"
#include "standins/host_program/live_run.h"

int RunLive(const PreviewOptions&) { return Fail("this build has no --live (it needs libjpeg-turbo and libwebp)"); }
