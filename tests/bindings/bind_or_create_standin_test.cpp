// BindOrCreate where the window system misbehaves, as only the stand-in
// user32 can be told to.

#include <gtest/gtest.h>

#include "bindings/message_window.h"
#include "platform/posix/win32/standin_user32.h"
#include "tests/bindings/binding_lookup.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::Find;
using testing_support::Number;
using BindOrCreateStandInTest = testing_support::PluginTest;

TEST_F(BindOrCreateStandInTest, FailedCreationLeavesARecordWithNumberZeroAndIsRetried) {
  auto& element = NewElement();
  standin::SetModuleHandleFails(true);
  const BindResult failed = BindOrCreate(&element);
  standin::SetModuleHandleFails(false);

  EXPECT_EQ(failed.window, nullptr);
  EXPECT_TRUE(runtime.commands.empty()) << "no module handle: no handshake";
  EXPECT_EQ(element.GetString(u"innerId"), std::u16string(u"0"));
  const SourceBinding* record = Find(u"0");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->window, nullptr);

  const BindResult retried = BindOrCreate(&element);
  EXPECT_TRUE(retried.window);
  EXPECT_TRUE(retried.created);
  EXPECT_EQ(runtime.commands.size(), 2u);
}

TEST_F(BindOrCreateStandInTest, TopBitHandleIsNegativeInInitAndInnerId) {
  ASSERT_TRUE(standin::SetNextWindowHandle(0x7F80001234u));
  auto& element = NewElement();
  const BindResult result = BindOrCreate(&element);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(result.window), 0x7F80001234u);
  EXPECT_EQ(runtime.commands.at(1), u"init:-2147478988");
  EXPECT_EQ(element.GetString(u"innerId"), std::u16string(u"-2147478988"));
}

}  // namespace
