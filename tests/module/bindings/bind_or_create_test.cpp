#include <gtest/gtest.h>

#include <mutex>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bridge/commands.h"
#include "module/bridge/shared_state_mutex.h"
#include "tests/module/bindings/binding_lookup.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::Find;
using testing_support::Number;
using testing_support::PluginTest;

using BindOrCreateTest = PluginTest;

TEST_F(BindOrCreateTest, NewSourceGetsAWindowAndTheCompanionHearsOfItFirst) {
  auto& element = NewElement();
  const unsigned records_before = Bindings().Count();
  std::vector<std::pair<std::u16string, unsigned>> seen;  // command, table size at that moment
  runtime.on_command = [&](const std::u16string& command) {
    seen.emplace_back(command, Bindings().Count());
    EXPECT_FALSE(element.Has(u"innerId")) << "innerId written before the handshake";
  };

  const BindResult result = BindOrCreate(&element);

  ASSERT_TRUE(result.window);
  EXPECT_TRUE(result.created);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].first, u"setPlatform:6");
  EXPECT_EQ(seen[1].first, u"init:" + Number(result.window));
  EXPECT_EQ(seen[1].second, records_before) << "record appended before the handshake";
  EXPECT_EQ(element.GetString(u"innerId"), Number(result.window));

  const SourceBinding* record = Find(Number(result.window));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->window, result.window);
  EXPECT_EQ(record->element, &element);
  EXPECT_EQ(record->textChanged, 1);
  EXPECT_FALSE(record->text.IsValid());
  EXPECT_EQ(Bindings().Count(), records_before + 1);
}

TEST_F(BindOrCreateTest, SecondCallReturnsTheSameWindowAndSendsNothing) {
  auto& element = NewElement();
  const BindResult first = BindOrCreate(&element);
  runtime.commands.clear();
  const unsigned records = Bindings().Count();

  const BindResult second = BindOrCreate(&element);

  EXPECT_EQ(second.window, first.window);
  EXPECT_FALSE(second.created);
  EXPECT_TRUE(runtime.commands.empty());
  EXPECT_EQ(Bindings().Count(), records);
}

TEST_F(BindOrCreateTest, StaleInnerIdFromAnEarlierRunIsReplaced) {
  auto& element = NewElement();
  element.SetString(u"innerId", u"99999999");
  const BindResult result = BindOrCreate(&element);
  EXPECT_TRUE(result.created);
  EXPECT_EQ(element.GetString(u"innerId"), Number(result.window));
}

TEST_F(BindOrCreateTest, MarkingAppendsDeleteToEveryEqualRecordAndDropsTheElement) {
  auto& first = NewElement();
  const BindResult bound = BindOrCreate(&first);
  const std::u16string number = Number(bound.window);
  // A stored innerId that names another source's window: both share it.
  auto& second = NewElement();
  second.SetString(u"innerId", number.c_str());
  EXPECT_FALSE(BindOrCreate(&second).created);
  // Two records with the same innerId.
  {
    std::lock_guard<std::mutex> lock(SharedStateMutex());
    SourceBinding twin;
    twin.innerId = number.c_str();
    twin.element = &second;
    Bindings().Append(twin);
    EXPECT_EQ(FindBindingByInnerId(number.c_str())->window, bound.window) << "the earlier record wins";
    MarkBindingDeleted(number.c_str());
  }

  EXPECT_EQ(Find(number), nullptr);
  int marked = 0;
  for (unsigned i = 0; i < Bindings().Count(); ++i) {
    if (Bindings()[i].innerId == String((number + u".delete").c_str())) {
      ++marked;
      EXPECT_EQ(Bindings()[i].element, nullptr);
    }
  }
  EXPECT_EQ(marked, 2);

  // A new source on the same element gets a second window.
  const BindResult again = BindOrCreate(&first);
  EXPECT_TRUE(again.created);
  EXPECT_NE(again.window, bound.window);
}

TEST(BindingTableGrowth, KeepsEveryRecordThroughReallocation) {
  BindingTable table;
  for (int i = 0; i < 100; ++i) {
    SourceBinding record;
    record.innerId << i;
    record.text = u"line";
    record.textChanged = i;
    ASSERT_TRUE(table.Append(record));
  }
  ASSERT_EQ(table.Count(), 100u);
  for (unsigned i = 0; i < 100; ++i) {
    String expected;
    expected << static_cast<int>(i);
    EXPECT_TRUE(table[i].innerId == expected);
    EXPECT_TRUE(table[i].text == u"line");
    EXPECT_EQ(table[i].textChanged, static_cast<int>(i));
  }
}

}  // namespace
