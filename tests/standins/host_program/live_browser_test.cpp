// The live preview in a real browser (headless Chromium driven by
// live_browser.py, which plays a scene of its own in this test's folder).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/script_run.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(LiveBrowserTest, GiftsSavesTestGiftsAndCtrlCShowAsAPersonSeesThem) {
  testing_support::TempFolder folder("live_browser_test");
  const std::string command = std::string(QUILLORA_PYTHON) + " '" + QUILLORA_BROWSER_SCRIPT + "' '" +
                              QUILLORA_PREVIEW_FILE + "' '" + folder.path().string() + "'";
  const testing_support::ScriptRun browser(command, folder / "live_browser.txt");
  EXPECT_TRUE(browser.Passed());
  std::fputs(browser.output().c_str(), stdout);  // the frame rate and the lag the page measured
}

}  // namespace
