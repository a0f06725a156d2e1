// BindOrCreate where the window system misbehaves, as only the stand-in
// user32 can be told to.

#include <gtest/gtest.h>

#include <string>

#include "module/bindings/message_window.h"
#include "standins/win32/standin_user32.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::Utf8;
using BindOrCreateStandInTest = testing_support::PluginTest;

TEST_F(BindOrCreateStandInTest, TopBitHandleIsNegativeInInitAndInnerId) {
  // The low 32 bits' top bit set, above every handle so far however often
  // this runs: the stand-in never hands out a handle twice, and no two of
  // the table's windows may share their low 32 bits.
  uintptr_t handle = 0x7F'8000'1234u;
  while (!standin::SetNextWindowHandle(handle)) ++handle;
  const std::string number = std::to_string(static_cast<int32_t>(static_cast<uint32_t>(handle)));
  ASSERT_EQ(number[0], '-');
  auto& element = NewElement();
  const BindResult result = BindOrCreate(&element);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(result.window), handle);
  EXPECT_EQ(Utf8(runtime.commands.at(1)), "init:" + number);
  EXPECT_EQ(Utf8(element.GetString(u"innerId")), number);
}

}  // namespace
