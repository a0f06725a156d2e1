#pragma once

#include "standins/host_program/options.h"

// Plays the options' scene in real time until Ctrl-C, as the host does: a
// render thread draws it at 60 frames a second, the calling thread is the
// UI thread that owns the sources' windows and opens their settings forms,
// and a page on 127.0.0.1 shows it. Returns the process's exit code.
int RunLive(const PreviewOptions& options);
