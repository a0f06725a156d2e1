// The bindings when the platform fails them: no window, no module handle, no
// memory for the table or for a message's text.

#include <gtest/gtest.h>

#include <mutex>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bindings/window_proc.h"
#include "module/bridge/shared_state_mutex.h"
#include "standins/fault_injection/faults.h"
#include "tests/module/bindings/binding_lookup.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::FillTheTable;
using testing_support::Find;
using testing_support::PluginTest;

using BindingFaultsTest = PluginTest;

TEST_F(BindingFaultsTest, FailedWindowCreationLeavesARecordWithNumberZeroAndIsRetried) {
  for (const auto point : {platform::FaultPoint::ModuleHandle, platform::FaultPoint::WindowCreation}) {
    auto& element = NewElement();
    runtime.commands.clear();
    BindResult failed;
    {
      platform::ScopedFault fault(point);
      failed = BindOrCreate(&element);
    }
    EXPECT_EQ(failed.window, nullptr);
    if (point == platform::FaultPoint::ModuleHandle) {
      EXPECT_TRUE(runtime.commands.empty()) << "no module handle: no handshake";
    }
    EXPECT_EQ(element.GetString(u"innerId"), std::u16string(u"0"));
    const SourceBinding* record = Find(u"0");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->window, nullptr);

    runtime.commands.clear();
    const BindResult retried = BindOrCreate(&element);
    EXPECT_TRUE(retried.window);
    EXPECT_TRUE(retried.created);
    EXPECT_EQ(runtime.commands.size(), 2u);
  }
}

TEST_F(BindingFaultsTest, TableThatCannotGrowWritesNoInnerIdLeaksNothingAndIsRetried) {
  // Of BindOrCreate's allocations the table's new storage is the last one.
  FillTheTable();
  const std::size_t start = standin::AllocationCount();
  BindOrCreate(&NewElement());
  const std::size_t growth = standin::AllocationCount() - start;

  auto& element = NewElement();
  element.SetString(u"innerId", u"earlier");
  FillTheTable();
  const unsigned records = Bindings().Count();
  const std::size_t blocks = standin::LiveBlocks();
  // The window made for the binding, as the companion hears of it.
  win::HWND made = nullptr;
  runtime.on_command = [&](const std::u16string& command) {
    // Read without the host allocator, whose allocations are being counted.
    if (command.starts_with(u"init:"))
      made = reinterpret_cast<win::HWND>(static_cast<intptr_t>(std::stoi(standin::ToUtf8(command.substr(5)))));
  };
  BindResult failed;
  {
    standin::ScopedAllocationFault fault(growth);
    failed = BindOrCreate(&element);
  }
  EXPECT_EQ(failed.window, nullptr);
  EXPECT_FALSE(failed.created);
  EXPECT_EQ(element.GetString(u"innerId"), std::u16string(u"earlier")) << "an innerId without its binding";
  EXPECT_EQ(Bindings().Count(), records);
  EXPECT_EQ(standin::LiveBlocks(), blocks);
  ASSERT_TRUE(made);
  EXPECT_FALSE(win::IsWindow(made)) << "the window made for the binding outlived it";
  runtime.on_command = nullptr;

  const BindResult retried = BindOrCreate(&element);
  ASSERT_TRUE(retried.window);
  EXPECT_TRUE(retried.created);
  const SourceBinding* record = Find(element.GetString(u"innerId"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->window, retried.window);
}

TEST_F(BindingFaultsTest, NoAllocationOfBindOrCreateLeavesAnInnerIdWithoutItsBinding) {
  // Every allocation BindOrCreate makes, failed in turn; the table's growth
  // has a test of its own above.
  const std::size_t start = standin::AllocationCount();
  BindOrCreate(&NewElement());
  const std::size_t allocations = standin::AllocationCount() - start;
  ASSERT_GT(allocations, 0u);
  for (std::size_t nth = 1; nth <= allocations; ++nth) {
    auto& element = NewElement();
    BindResult result;
    {
      standin::ScopedAllocationFault fault(nth);
      result = BindOrCreate(&element);
    }
    if (element.Has(u"innerId")) {
      const SourceBinding* record = Find(element.GetString(u"innerId"));
      ASSERT_TRUE(record) << "allocation " << nth;
      EXPECT_EQ(record->window, result.window) << "allocation " << nth;
      EXPECT_EQ(record->element, &element) << "allocation " << nth;
    } else {
      EXPECT_EQ(result.window, nullptr) << "allocation " << nth;
    }
  }
}

TEST_F(BindingFaultsTest, MarkWithoutMemoryForItsSuffixStillHidesTheBinding) {
  auto& element = NewElement();
  const win::HWND window = BindOrCreate(&element).window;
  ASSERT_TRUE(window);
  const std::u16string number = element.GetString(u"innerId");
  {
    standin::ScopedAllocationFault fault;
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    MarkBindingDeleted(number.c_str());
  }
  EXPECT_FALSE(Find(number));
  EXPECT_FALSE(Find(u"")) << "a source that never bound found the dead record";
  const BindResult next = BindOrCreate(&element);
  EXPECT_TRUE(next.created);
  EXPECT_NE(next.window, window);
}

TEST_F(BindingFaultsTest, TextWithoutMemoryForItsDecodingIsStoredEmpty) {
  auto& element = NewElement();
  const win::HWND window = BindOrCreate(&element).window;
  ASSERT_TRUE(window);
  const auto stored = [&] {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    return std::u16string(FindBindingByWindow(window)->text.c_str());
  };
  const auto send = [&](const std::u16string& text) {
    win::COPYDATASTRUCT data{TextUpdate, static_cast<win::DWORD>((text.size() + 1) * 2),
                             const_cast<char16_t*>(text.c_str())};
    win::SendMessageW(window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&data));
  };
  // Each allocation of the decoding fails in turn: the line is either whole
  // or empty, never the one before.
  for (std::size_t nth = 1; nth <= 4; ++nth) {
    send(u"before");
    {
      std::lock_guard<std::mutex> lock(SharedStateMutex());
      FindBindingByWindow(window)->textChanged = 0;
    }
    {
      standin::ScopedAllocationFault fault(nth);
      send(u"感谢小明赠送的1个火箭");
    }
    const std::u16string text = stored();
    EXPECT_TRUE(text.empty() || text == u"感谢小明赠送的1个火箭") << "allocation " << nth;
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    EXPECT_EQ(FindBindingByWindow(window)->textChanged, 1) << "allocation " << nth;
  }
  send(u"before");
  {
    standin::ScopedAllocationFault fault(1);  // the decode buffer itself
    send(u"感谢小明赠送的1个火箭");
  }
  EXPECT_EQ(stored(), u"");
}

}  // namespace
