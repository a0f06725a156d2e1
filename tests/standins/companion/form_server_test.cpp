// The settings form's server with the plug-in loaded as the host loads it:
// who it answers, what a Save writes, what a broken one does not, and that
// many forms in a row leave no thread or socket behind.

#include <gtest/gtest.h>
#include <httplib.h>

#include <filesystem>
#include <memory>
#include <thread>

#include "tests/standins/companion/form_host.h"
#include "tests/standins/companion/form_params.h"

namespace form_testing {
namespace {

using companion::With;

constexpr char kFailureText[] = "发生错误,设置失败，请检查插件文件是否损坏";
constexpr char kUrlencoded[] = "application/x-www-form-urlencoded";

std::string Utf8(const std::u16string& text) { return standin::ToUtf8(text); }

std::string Encode(const companion::FormParams& params) {
  std::string body;
  for (const auto& [key, value] : params)
    body += (body.empty() ? "" : "&") + httplib::detail::encode_query_param(key) + "=" +
            httplib::detail::encode_query_param(value);
  return body;
}

int Status(const httplib::Result& result) { return result ? result->status : -1; }

std::size_t Entries(const char* folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

using FormServerTest = FormHostTest;

TEST_F(FormServerTest, OnlyTheLoopbackAndTheTokenAreAnswered) {
  const bool accepted = host.Configure(element, [](const std::string& url) {
    const FormAddress form = ParseAddress(url);
    EXPECT_EQ(form.host, "127.0.0.1");
    EXPECT_EQ(form.base.size(), 34u) << "a 128-bit token";
    httplib::Client client(form.host, form.port);
    EXPECT_EQ(Status(client.Get(form.base)), 200);
    EXPECT_EQ(Status(client.Get(form.base + "form.js")), 200);
    EXPECT_EQ(Status(client.Get(form.base + "form.css")), 200);
    const auto data = client.Get(form.base + "settings");
    ASSERT_EQ(Status(data), 200);
    EXPECT_NE(data->body.find(R"("key":"thanks_string")"), std::string::npos);

    std::string wrong = form.base;
    wrong[1] = wrong[1] == 'a' ? 'b' : 'a';
    for (const std::string& path : {std::string("/"), wrong, wrong + "settings", form.base.substr(0, 32) + "/",
                                    std::string("/settings"), form.base + "../settings"})
      EXPECT_EQ(Status(client.Get(path)), 404) << path;
    EXPECT_EQ(Status(client.Post(wrong + "save", Encode(companion::UnchangedForm({})), kUrlencoded)), 404);
    EXPECT_EQ(Status(client.Post(wrong + "cancel")), 404);
    EXPECT_EQ(Status(client.Post(wrong + "test-gift")), 404);
    // Bound to 127.0.0.1 alone: the rest of the loopback network finds no one.
    httplib::Client elsewhere("127.0.0.2", form.port);
    elsewhere.set_connection_timeout(2);
    EXPECT_EQ(Status(elsewhere.Get(form.base)), -1);
    EXPECT_EQ(Status(client.Post(form.base + "cancel")), 200);
  });
  EXPECT_FALSE(accepted) << "the refused requests did not close the form";
  EXPECT_EQ(host.FormsServed(), 1);
  EXPECT_TRUE(WindowExists(DataOf(element))) << "the window made for the form stays";
  EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(FormServerTest, BrokenSavesWriteNothingAndASaveWritesOnlyItsChanges) {
  const companion::FormParams good = companion::UnchangedForm({});
  const bool accepted = host.Configure(element, [&](const std::string& url) {
    const FormAddress form = ParseAddress(url);
    httplib::Client client(form.host, form.port);
    const std::string save = form.base + "save";
    EXPECT_EQ(Status(client.Post(save, Encode(With(good, "fontSize", "0")), kUrlencoded)), 400);
    EXPECT_EQ(Status(client.Post(save, Encode(With(good, "thanks_string", "a{|}b")), kUrlencoded)), 400);
    EXPECT_EQ(Status(client.Post(save, "fontSize=72&color=%233366cc", kUrlencoded)), 400);
    EXPECT_EQ(Status(client.Post(save, "%%%&&==", kUrlencoded)), 400);
    EXPECT_EQ(Status(client.Post(save, Encode(With(good, "fontSize", "72")), "application/json")), 415);
    EXPECT_EQ(Status(client.Post(save + "?fontSize=72", Encode(good), kUrlencoded)), 400);
    EXPECT_EQ(Status(client.Post(save, std::string(100 * 1024, 'a'), kUrlencoded)), 413);
    const auto refused = client.Post(save, Encode(With(good, "color", "red")), kUrlencoded);
    ASSERT_EQ(Status(refused), 400);
    EXPECT_NE(refused->body.find(R"("field":"color")"), std::string::npos) << refused->body;

    // Nothing of the above reached the element.
    standin::SettingsElement* data = &DataOf(element);
    for (const char16_t* key : {u"fontSize", u"color", u"thanks_string", u"outline"}) EXPECT_FALSE(data->Has(key));
    EXPECT_EQ(host.companion().PendingSends(), 0);

    companion::FormParams changed = With(good, "fontSize", "72");
    changed = With(changed, "color", "#3366cc");
    changed = With(changed, "outline", "1");
    changed = With(changed, "thanks_string", "谢谢 $sender$ 的 $gift$ & 100%");
    EXPECT_EQ(Status(client.Post(save, Encode(changed), kUrlencoded)), 200);
  });
  ASSERT_TRUE(accepted);
  standin::SettingsElement& data = DataOf(element);
  EXPECT_EQ(data.GetInt(u"fontSize", 0), 72);
  EXPECT_EQ(static_cast<uint32_t>(data.GetInt(u"color", 0)), 0xFF3366CCu) << "saved opaque";
  EXPECT_EQ(data.GetInt(u"outline", 0), 1);
  EXPECT_EQ(Utf8(data.GetString(u"thanks_string", u"")), "谢谢 $sender$ 的 $gift$ & 100%");
  for (const char16_t* key : {u"font", u"textOpacity", u"backgroundColor", u"show_second"})
    EXPECT_FALSE(data.Has(key)) << Utf8(key) << " was not changed, so not sent";
  EXPECT_GE(data.GetFloat(u"baseSizeCY", 0), 72.0f) << "measured with the new size";
  EXPECT_EQ(element.GetFloat(u"cx", -1), data.GetFloat(u"baseSizeCX", 0));
  EXPECT_EQ(element.GetFloat(u"cy", -1), data.GetFloat(u"baseSizeCY", 0));
  EXPECT_EQ(Utf8(host.companion().Setting(WindowNumberOf(data), "thanks_string")), "谢谢 $sender$ 的 $gift$ & 100%")
      << "the room plays on with the saved settings";
  EXPECT_TRUE(standin::MessageBoxes().empty());
}

TEST_F(FormServerTest, AFormThatCannotBeServedShowsTheErrorMessage) {
  httplib::Server taken;
  const int port = taken.bind_to_any_port("127.0.0.1");
  ASSERT_GT(port, 0);
  std::thread listener([&] { taken.listen_after_bind(); });
  EXPECT_FALSE(host.Configure(element, [](const std::string&) {}, port));
  while (!taken.is_running()) std::this_thread::yield();
  taken.stop();
  listener.join();
  EXPECT_EQ(host.FormsServed(), 0);
  ASSERT_EQ(standin::MessageBoxes().size(), 1u);
  EXPECT_EQ(Utf8(standin::MessageBoxes()[0].text), kFailureText);
  EXPECT_FALSE(element.Has(u"cx"));
}

TEST_F(FormServerTest, TwoHundredFormsInARowLeaveNoThreadOrSocket) {
  const auto cancel_after_loading = [](const std::string& url) {
    const FormAddress form = ParseAddress(url);
    httplib::Client client(form.host, form.port);
    EXPECT_EQ(Status(client.Get(form.base)), 200);
    EXPECT_EQ(Status(client.Get(form.base + "settings")), 200);
    EXPECT_EQ(Status(client.Post(form.base + "cancel")), 200);
  };
  // The first form starts the companion's worker, which stays.
  EXPECT_FALSE(host.Configure(element, cancel_after_loading));
  const std::size_t threads = Entries("/proc/self/task");
  const std::size_t files = Entries("/proc/self/fd");
  for (int round = 0; round < 200; ++round) {
    ASSERT_FALSE(host.Configure(element, cancel_after_loading)) << "round " << round;
    ASSERT_EQ(Entries("/proc/self/task"), threads) << "round " << round;
    ASSERT_EQ(Entries("/proc/self/fd"), files) << "round " << round;
  }
  EXPECT_EQ(host.FormsServed(), 201);
  EXPECT_TRUE(standin::MessageBoxes().empty());
}

}  // namespace
}  // namespace form_testing
