#include <gtest/gtest.h>

#include <filesystem>

#include "standins/companion/record_file.h"
#include "standins/companion/room.h"
#include "tests/support/file_text.h"
#include "tests/support/temp_folder.h"

namespace companion {
namespace {

std::shared_ptr<const GiftScript> Script(const char* text) {
  return std::make_shared<const GiftScript>(ParseGiftScript(text, u"s.txt"));
}

RoomSettings Quick() {
  RoomSettings settings;
  settings.thanks_string = u"$sender$:$num$x$gift$ $combo$";
  settings.no_thanks_string = u"idle";
  settings.show_second = 3;
  settings.delay_show_second = 1;
  return settings;
}

// The messages among `actions`, as "code text".
std::vector<std::u16string> Messages(const std::vector<RoomAction>& actions) {
  std::vector<std::u16string> out;
  for (const RoomAction& action : actions)
    if (const auto* message = std::get_if<RoomMessage>(&action))
      out.push_back(std::u16string(message->code == kTextUpdate ? u"1 " : message->code == kLogLine ? u"200 " : u"203 ") +
                    message->text);
  return out;
}

using Lines = std::vector<std::u16string>;

TEST(Room, ThanksCombosAfterTheDelayThenGoesIdle) {
  Room room(5);
  room.Apply(Quick());
  const Lines started = Messages(room.Start(0, Script("1 a 火箭 2 500\n2 a 火箭 1 500\n2.5 b 点赞 1 0\n")));
  EXPECT_EQ(started, (Lines{u"200 playing s.txt: 3 gifts"}));
  EXPECT_EQ(Messages(room.Advance(0)), (Lines{u"1 idle"}));
  EXPECT_EQ(room.NextDue(0), 1000);
  EXPECT_TRUE(room.Advance(2999).empty());  // the combo is still open
  // The free like (value 0) is below gift_limit_mode 1.
  EXPECT_EQ(Messages(room.Advance(3000)), (Lines{u"1 a:3x火箭 2连击"}));
  EXPECT_EQ(room.NextDue(3000), 6000);
  EXPECT_EQ(Messages(room.Advance(10000)), (Lines{u"1 idle"}));
  EXPECT_FALSE(room.NextDue(10000));
}

TEST(Room, LinesQueueForTheirShowTimeAndLimitModeZeroThanksFreeGifts) {
  RoomSettings settings = Quick();
  settings.gift_limit_mode = 0;
  settings.is_no_thanks = 0;
  Room room(5);
  room.Apply(settings);
  room.Start(0, Script("0 a like 1 0\n0 b like 1 0\n0 c like 1 0\n"));
  EXPECT_EQ(Messages(room.Advance(1000)), (Lines{u"1 a:1xlike "}));
  EXPECT_EQ(Messages(room.Advance(8000)), (Lines{u"1 b:1xlike ", u"1 c:1xlike "}));
  EXPECT_TRUE(room.Advance(60000).empty());  // no idle line: the last one stays
}

TEST(Room, StopPausesTheRoomsTime) {
  Room room(5);
  RoomSettings settings = Quick();
  settings.delay_show_second = 0;
  settings.is_no_thanks = 0;
  room.Apply(settings);
  room.Start(0, Script("1 a rocket 1 500\n"));
  room.Advance(500);
  room.Stop(500);
  EXPECT_TRUE(room.Advance(100000).empty());
  EXPECT_FALSE(room.NextDue(100000));
  room.Start(10000, nullptr);  // resumes with the script it has
  EXPECT_EQ(room.NextDue(10000), 10500);
  EXPECT_TRUE(room.Advance(10499).empty());
  EXPECT_EQ(Messages(room.Advance(10500)), (Lines{u"1 a:1xrocket "}));
}

TEST(Room, ScriptErrorsAreLoggedOnceAtTheFirstStart) {
  Room room(5);
  const Lines first = Messages(room.Start(0, Script("1 a b\n2 a b 1 1\n")));
  ASSERT_EQ(first.size(), 2u);
  EXPECT_TRUE(first[0].starts_with(u"200 error: s.txt:1: expected 5 fields"));
  room.Stop(1);
  EXPECT_TRUE(room.Start(2, Script("")).empty());
  EXPECT_EQ(Messages(Room(6).Start(0, nullptr)), (Lines{u"200 no gift script: the room stays quiet"}));
}

TEST(Room, RandomColourPrecedesEachThanksLineOnly) {
  RoomSettings settings = Quick();
  settings.RandomColor = 1;
  settings.delay_show_second = 0;
  Room room(5);
  room.Apply(settings);
  room.Start(0, Script("1 a rocket 1 500\n5 b rocket 1 500\n"));
  EXPECT_EQ(Messages(room.Advance(1000)),
            (Lines{u"1 idle", u"203 " + std::u16string(u"16728128"), u"1 a:1xrocket "}));  // 0xFF4040
  EXPECT_EQ(Messages(room.Advance(5000)), (Lines{u"1 idle", u"203 16748544", u"1 b:1xrocket "}));  // 0xFF9000
}

TEST(Room, EveryGiftIsRecordedInAFileInsideTheFolder) {
  const testing_support::TempFolder temp("room_record");
  const std::filesystem::path& folder = temp.path();
  RoomSettings settings = Quick();
  settings.is_save_record = 1;
  settings.save_folder = folder.u16string();
  settings.room_name = u"../直播间";
  Room room(5);
  room.Apply(settings);
  room.Start(0, Script("1 小明 火箭 2 500\n61.5 路人 点赞 1 0\n"));
  std::vector<RoomAction> actions = room.Advance(70000);
  for (const RoomAction& action : actions) {
    if (const auto* record = std::get_if<RecordLine>(&action)) {
      ASSERT_TRUE(AppendRecordLine(record->file, record->utf8_line));
    }
  }

  EXPECT_EQ(RecordFileName(u"../直播间"), u"gift_record_.._直播间.txt");
  EXPECT_EQ(RecordFileName(u""), u"gift_record.txt");
  EXPECT_EQ(testing_support::FileText(folder / RecordFileName(settings.room_name)), "00:01.000\t小明\t火箭\t2\t500\n01:01.500\t路人\t点赞\t1\t0\n");
  std::filesystem::remove_all(folder);

  EXPECT_FALSE(AppendRecordLine(folder / "gift_record.txt", "x\n"));  // the folder is gone
  settings.save_folder.clear();
  EXPECT_EQ(Messages(room.Apply(settings)),
            (Lines{u"200 error: is_save_record is 1 but save_folder is empty: gifts are not recorded"}));
}

TEST(Room, ANewIdleLineShowsAtOnce) {
  Room room(5);
  room.Apply(Quick());
  room.Start(0, nullptr);
  room.Advance(0);
  RoomSettings changed = Quick();
  changed.no_thanks_string = u"quiet";
  room.Apply(changed);
  EXPECT_EQ(Messages(room.Advance(1)), (Lines{u"1 quiet"}));
}

TEST(Room, ALoopedScriptPlaysAgainAfterItsPauseAndASampleGiftIsThankedByTheRules) {
  RoomSettings settings = Quick();
  settings.delay_show_second = 0;
  settings.is_no_thanks = 0;
  settings.gift_limit_mode = 4;  // the sample is worth 1000
  Room room(5);
  room.Apply(settings);
  EXPECT_EQ(Messages(room.Start(0, Script("1 a rocket 1 500\n2 b car 1 1000\n"), FeedMode::kLooped)),
            (Lines{u"200 playing s.txt: 2 gifts, looped"}));
  EXPECT_EQ(Messages(room.Advance(7999)), (Lines{u"1 b:1xcar "}));
  // The second pass starts 6 s after the last gift.
  EXPECT_EQ(Messages(room.Advance(10000)), (Lines{u"1 b:1xcar "}));
  // The third pass's line shows from 18 s for its 3 s; the sample waits its turn.
  EXPECT_EQ(Messages(room.ReceiveSampleGift(20000)), (Lines{u"1 b:1xcar "}));
  EXPECT_TRUE(room.Advance(20999).empty());
  EXPECT_EQ(Messages(room.Advance(21000)), (Lines{u"1 测试观众:1x测试礼物 "}));
}

TEST(GiftFeed, RandomGiftsComeInTimeOrderTheSameOnEveryRun) {
  GiftFeed first(nullptr, FeedMode::kRandom, 7), second(nullptr, FeedMode::kRandom, 7);
  int64_t last = 0;
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(first.Next() && second.Next());
    EXPECT_GT(first.Next()->at_ms, last);
    EXPECT_EQ(first.Next()->sender, second.Next()->sender);
    EXPECT_GE(first.Next()->count, 1);
    last = first.Next()->at_ms;
    first.Pop();
    second.Pop();
  }
}

}  // namespace
}  // namespace companion
