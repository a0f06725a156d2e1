// The live preview in a real browser (headless Chromium driven by
// live_browser.py, which plays a scene of its own in this test's folder).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

TEST(LiveBrowserTest, GiftsSavesTestGiftsAndCtrlCShowAsAPersonSeesThem) {
  testing_support::TempFolder folder("live_browser_test");
  const std::string command = std::string(QUILLORA_PYTHON) + " '" + QUILLORA_BROWSER_SCRIPT + "' '" +
                              QUILLORA_PREVIEW_FILE + "' '" + folder.path().string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

}  // namespace
