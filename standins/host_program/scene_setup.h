#pragma once

// The scene as the host starts it: the scene file read, each source
// configured (in a browser for those --configure names), the output started
// and the sources created.

#include <memory>
#include <optional>
#include <vector>

#include "standins/companion/companion_client.h"
#include "standins/host_library/standin_host.h"
#include "standins/host_program/options.h"
#include "standins/host_program/scene.h"
#include "standins/plugin_loader/plugin_module.h"

struct Scene {
  std::unique_ptr<standin::SettingsElement> settings;  // the scene file's tree
  std::vector<SceneSource> sources;                     // created and active
  standin::RegisteredClass type;
  // Started once the sources are configured, before they are created; it
  // ends with the scene, after DestroySources.
  std::unique_ptr<standin::HostOutput> output;
};

// Nothing when the scene cannot be set up; the reason is printed.
std::optional<Scene> SetUpScene(const PreviewOptions& options, const CompanionClient& companion,
                                const PluginModule& plugin);

// Serves the source's settings form to a browser (its address goes to
// `opened`) and waits for the answer; true when it was saved.
bool ConfigureInBrowser(SceneSource& source, const standin::RegisteredClass& type, const CompanionClient& companion,
                        CompanionFormOpenedFn opened, void* context);

// Takes every source out of the scene and deletes it.
void DestroySources(std::vector<SceneSource>& sources);
