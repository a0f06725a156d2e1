// BindOrCreate with window handles only the stand-in user32 can be told to
// hand out.

#include <gtest/gtest.h>

#include <string>

#include "bindings/message_window.h"
#include "tests/support/plugin_fixture.h"
#include "win32/standin_user32.h"

namespace {

using BindOrCreateStandInTest = testing_support::PluginTest;

TEST_F(BindOrCreateStandInTest, TopBitHandleIsNegativeInInitAndInnerId) {
  auto& earlier = NewElement();
  const auto last = reinterpret_cast<uintptr_t>(BindOrCreate(&earlier).window);
  // Like 0x1'8000'1268: above every handle so far, with low 32 bits that no
  // earlier window had, however often this runs.
  const uint32_t low = 0x8000'0000u | ((static_cast<uint32_t>(last) + 1) & 0x7FFF'FFFFu);
  const uintptr_t top_bit = ((last >> 32) + 1) << 32 | low;
  ASSERT_TRUE(standin::SetNextWindowHandle(top_bit));
  auto& element = NewElement();
  runtime.commands.clear();
  const BindResult result = BindOrCreate(&element);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(result.window), top_bit);
  const std::u16string number = standin::FromUtf8(std::to_string(static_cast<int32_t>(low)));
  ASSERT_EQ(number[0], u'-');
  EXPECT_EQ(runtime.commands.at(1), u"init:" + number);
  EXPECT_EQ(element.GetString(u"innerId"), number);
}

}  // namespace
