#pragma once

#include "standins/host_program/options.h"

// Plays the host for the options' scene and script and writes the pictures.
// Runs in the host's working folder (where plugins/ is), with every path of
// `options` absolute. Returns the process's exit code.
int RunPreview(const PreviewOptions& options);
