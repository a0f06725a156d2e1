// BindOrCreate with window handles only the stand-in user32 can be told to
// hand out.

#include <gtest/gtest.h>

#include "bindings/message_window.h"
#include "tests/support/plugin_fixture.h"
#include "win32/standin_user32.h"

namespace {

using BindOrCreateStandInTest = testing_support::PluginTest;

TEST_F(BindOrCreateStandInTest, TopBitHandleIsNegativeInInitAndInnerId) {
  auto& earlier = NewElement();
  const auto last = reinterpret_cast<uintptr_t>(BindOrCreate(&earlier).window);
  // Like 0x1'8000'1234: above every handle so far, however often this runs.
  const uintptr_t top_bit = ((last >> 32) + 1) << 32 | 0x8000'1234u;
  ASSERT_TRUE(standin::SetNextWindowHandle(top_bit));
  auto& element = NewElement();
  runtime.commands.clear();
  const BindResult result = BindOrCreate(&element);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(result.window), top_bit);
  EXPECT_EQ(runtime.commands.at(1), u"init:-2147478988");
  EXPECT_EQ(element.GetString(u"innerId"), std::u16string(u"-2147478988"));
}

}  // namespace
