#include <gtest/gtest.h>

#include "standins/companion/form_json.h"
#include "tests/standins/companion/form_params.h"

namespace companion {
namespace {

const RoomSettings kStarting;

std::vector<std::pair<uint32_t, std::u16string>> Messages(const RoomSettings& after) {
  std::vector<std::pair<uint32_t, std::u16string>> out;
  for (const SettingMessage& m : ChangedSettings(kStarting, after)) out.emplace_back(m.code, m.payload);
  return out;
}

TEST(FormFields, AnUnchangedFormChangesNothing) {
  FormError error;
  const std::optional<RoomSettings> read = ReadForm(kStarting, UnchangedForm(kStarting), &error);
  ASSERT_TRUE(read) << error.key << ": " << error.reason;
  EXPECT_TRUE(Messages(*read).empty());
}

TEST(FormFields, ChangesGoOutInLineOrderWithTheirCodes) {
  FormParams params = UnchangedForm(kStarting);
  params = With(params, "thanks_string", "多谢$sender$的$gift$|好");
  params = With(params, "outline", "1");
  params = With(params, "fontSize", "72");
  params = With(params, "color", "#3366CC");
  params = With(params, "backgroundColor", "#000000");  // only its alpha differs: black either way
  FormError error;
  const std::optional<RoomSettings> read = ReadForm(kStarting, params, &error);
  ASSERT_TRUE(read) << error.key << ": " << error.reason;
  EXPECT_EQ(read->color, static_cast<int32_t>(0xFF3366CCu)) << "saved colours are opaque";
  using M = std::pair<uint32_t, std::u16string>;
  EXPECT_EQ(Messages(*read), (std::vector<M>{{103, u"color|3368652"},
                                             {101, u"fontSize|72"},
                                             {101, u"outline|1"},
                                             {102, u"thanks_string|多谢$sender$的$gift$|好"}}));
}

TEST(FormFields, ColoursCompareByTheirColourBitsOnly) {
  RoomSettings translucent;
  translucent.color = 0x40123456;
  FormError error;
  const auto same = ReadForm(translucent, With(UnchangedForm(kStarting), "color", "#123456"), &error);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->color, 0x40123456) << "an untouched colour keeps its alpha";
  EXPECT_TRUE(ChangedSettings(translucent, *same).empty());
}

TEST(FormFields, BrokenFormsAreRefusedNamingTheField) {
  const FormParams good = UnchangedForm(kStarting);
  FormParams missing = good;
  missing.erase("is_use_toolbox");
  FormParams twice = good;
  twice.emplace("fontSize", "56");
  struct Case {
    FormParams params;
    std::string key;
  };
  const std::vector<Case> cases = {
      {missing, "is_use_toolbox"},
      {twice, "fontSize"},
      {With(good, "fontsize", "56"), "fontsize"},
      {With(good, "fontSize", "12x"), "fontSize"},
      {With(good, "fontSize", ""), "fontSize"},
      {With(good, "fontSize", "99999999999"), "fontSize"},
      {With(good, "fontSize", "0"), "fontSize"},
      {With(good, "fontSize", "501"), "fontSize"},
      {With(good, "textOpacity", "101"), "textOpacity"},
      {With(good, "gift_limit_mode", "-1"), "gift_limit_mode"},
      {With(good, "bold", "2"), "bold"},
      {With(good, "color", "3366cc"), "color"},
      {With(good, "color", "#3366cg"), "color"},
      {With(good, "color", "#3366cc0"), "color"},
      {With(good, "thanks_string", "a{|}b"), "thanks_string"},
      {With(good, "thanks_string", ""), "thanks_string"},
      {With(good, "thanks_string", std::string("a\0b", 3)), "thanks_string"},
      {With(good, "thanks_string", "\xff"), "thanks_string"},
      {With(good, "font", std::string(32, 'x')), "font"},
  };
  for (const Case& c : cases) {
    FormError error;
    EXPECT_FALSE(ReadForm(kStarting, c.params, &error)) << c.key;
    EXPECT_EQ(error.key, c.key);
    EXPECT_FALSE(error.reason.empty());
  }
}

TEST(FormFields, UnchangedValuesPassWhateverTheyAre) {
  RoomSettings odd;
  odd.bold = 2;      // a hand-edited file's value
  odd.fontSize = 0;
  odd.room_name.clear();
  FormError error;
  const auto read = ReadForm(odd, With(With(UnchangedForm(odd), "bold", "2"), "fontSize", "0"), &error);
  ASSERT_TRUE(read) << error.key << ": " << error.reason;
  EXPECT_TRUE(ChangedSettings(odd, *read).empty());
}

TEST(FormJson, CarriesEveryFieldWithItsBoundsAndEscapedTexts) {
  RoomSettings settings;
  settings.room_name = u"a\"b\\c\n";
  const std::string json = FormJson(settings);
  EXPECT_TRUE(json.starts_with(R"({"fields":[{"key":"font","kind":"text","min":0,"max":31,"value":"宋体"},)")) << json;
  EXPECT_NE(json.find(R"({"key":"color","kind":"colour","min":0,"max":0,"value":"#ff9000"})"), std::string::npos);
  EXPECT_NE(json.find(R"({"key":"fontSize","kind":"integer","min":1,"max":500,"value":56})"), std::string::npos);
  EXPECT_NE(json.find(R"("value":"a\"b\\c\u000a")"), std::string::npos);
  std::size_t keys = 0;
  for (std::size_t at = json.find("\"key\""); at != std::string::npos; at = json.find("\"key\"", at + 1)) ++keys;
  EXPECT_EQ(keys, 26u);
}

}  // namespace
}  // namespace companion
