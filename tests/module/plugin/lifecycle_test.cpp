// The module as the host sees it: loaded by its exports, started, stopped.

#include <gtest/gtest.h>

#include <filesystem>

#include "module/platform/system.h"
#include "module/plugin/user_messages.h"
#include "standins/host_library/standin_host.h"
#include "standins/plugin_loader/plugin_module.h"
#include "tests/support/temp_folder.h"

namespace {

const std::string kModule = std::string("plugins\\") + QUILLORA_PLUGIN_FILE_NAME;

class LifecycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::ClearMessagesAndLog();
    standin::ClearRegisteredClasses();
    standin::ClearColorControlInstance();
    platform::SetEnvironmentValue("STANDIN_CLR", "");
  }
  void TearDown() override { platform::SetEnvironmentValue("STANDIN_CLR", ""); }

  static std::vector<std::u16string> Boxes() {
    std::vector<std::u16string> texts;
    for (const auto& box : standin::MessageBoxes()) {
      EXPECT_FALSE(box.has_owner || box.has_caption);
      EXPECT_EQ(box.flags, 0u);
      texts.push_back(box.text);
    }
    return texts;
  }
};

TEST_F(LifecycleTest, LoadsRegistersTheClassUnderItsOwnNameAndUnloads) {
  const std::size_t blocks_before = standin::LiveBlocks();
  {
    PluginModule module(kModule);
    ASSERT_TRUE(module.ok());
    ASSERT_TRUE(module.LoadPlugin());
    EXPECT_TRUE(Boxes().empty());
    const auto classes = standin::RegisteredClasses();
    ASSERT_EQ(classes.size(), 1u);
    EXPECT_EQ(classes[0].class_name, module.Name());
    EXPECT_EQ(classes[0].class_name, u"Quillora答谢水友插件");
    EXPECT_EQ(classes[0].display_name, u"Quillora答谢水友");
    EXPECT_EQ(module.Description(), u"Quillora答谢插件");
    EXPECT_TRUE(classes[0].callbacks->HasConfigure());
    ASSERT_NE(module.Instance(), nullptr);
    EXPECT_EQ(standin::ColorControlInstance(), module.Instance()) << "the colour control is set up for this module";
    module.UnloadPlugin();
  }
  EXPECT_EQ(standin::LiveBlocks(), blocks_before);
}

TEST_F(LifecycleTest, MissingCompanionWarnsAndStillRegisters) {
  const auto module_path = std::filesystem::absolute(kModule).string();
  const auto build_root = std::filesystem::current_path();
  const testing_support::TempFolder elsewhere("no_companion");
  std::filesystem::current_path(elsewhere.path());
  {
    PluginModule module(module_path);
    ASSERT_TRUE(module.ok());
    EXPECT_TRUE(module.LoadPlugin());
    module.UnloadPlugin();
  }
  std::filesystem::current_path(build_root);
  ASSERT_EQ(Boxes(), std::vector<std::u16string>{kMissingCompanionMessage});
  EXPECT_EQ(standin::RegisteredClasses().size(), 1u);
}

TEST_F(LifecycleTest, MissingRuntimeFailsTheLoadWithItsMessage) {
  const struct {
    const char* installation;
    const char16_t* message;
  } cases[] = {{"no-runtime", kRuntimeUnavailableMessage}, {"no-metahost", kRuntimeFaultMessage}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.installation);
    standin::ClearMessagesAndLog();
    platform::SetEnvironmentValue("STANDIN_CLR", c.installation);
    PluginModule module(kModule);
    ASSERT_TRUE(module.ok());
    EXPECT_FALSE(module.LoadPlugin());
    EXPECT_EQ(Boxes(), std::vector<std::u16string>{c.message});
    EXPECT_TRUE(standin::RegisteredClasses().empty());
    EXPECT_EQ(standin::ColorControlInstance(), nullptr);
    module.UnloadPlugin();  // after a failed load: nothing to send, nothing to crash on
    EXPECT_EQ(standin::MessageBoxes().size(), 1u);
  }
}

}  // namespace
