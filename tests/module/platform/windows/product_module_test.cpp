// The product module, hosting .NET through the system's mscoree, as a user
// without the .NET runtime meets it: message M128, and the load fails
// without a crash.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/platform/clr_hosting.h"
#include "module/plugin/user_messages.h"
#include "standins/host_library/standin_host.h"
#include "standins/plugin_loader/plugin_module.h"

namespace {

// The runtime host can be had only where a .NET runtime is installed.
bool DotNetInstalled() {
  clr::ICLRMetaHost* meta_host = nullptr;
  if (clr::CLRCreateInstance(&meta_host) < 0) return false;
  clr::ICLRRuntimeInfo* info = nullptr;
  clr::ICLRRuntimeHost* host = nullptr;
  if (meta_host->GetRuntime(u"v4.0.30319", &info) >= 0) {
    info->GetRuntimeHost(&host);
    if (host) host->Release();
    info->Release();
  }
  meta_host->Release();
  return host != nullptr;
}

TEST(ProductModule, WithoutDotNetTheUserSeesM128AndTheLoadFails) {
  if (DotNetInstalled()) GTEST_SKIP() << "a .NET runtime is installed in this prefix";
  standin::ClearMessagesAndLog();
  standin::ClearRegisteredClasses();

  PluginModule module(QUILLORA_PRODUCT_MODULE);
  ASSERT_TRUE(module.ok());
  EXPECT_FALSE(module.LoadPlugin());

  const auto boxes = standin::MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kRuntimeFaultMessage);
  EXPECT_FALSE(boxes[0].has_owner || boxes[0].has_caption);
  EXPECT_EQ(boxes[0].flags, 0u);
  EXPECT_TRUE(standin::RegisteredClasses().empty());

  module.UnloadPlugin();  // releases what the failed load obtained, sends nothing
  EXPECT_EQ(standin::MessageBoxes().size(), 1u);
}

}  // namespace
