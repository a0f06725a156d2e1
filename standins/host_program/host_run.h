#pragma once

// What every run of the host sets up around its scene: the host log, GDI+,
// the companion with its gift script, and the plug-in, loaded and unloaded.

#include <functional>
#include <string>

#include "standins/companion/companion_client.h"
#include "standins/host_program/options.h"
#include "standins/plugin_loader/plugin_module.h"

// Prints "preview: <message>" and returns the exit code 1.
int Fail(const std::string& message);

using ScenePlay = std::function<int(const CompanionClient& companion, const PluginModule& plugin)>;

// Runs `play` between LoadPlugin and UnloadPlugin; the rooms run on the
// frame clock unless the run is live. Returns the process's exit code.
int RunHost(const PreviewOptions& options, const ScenePlay& play);
