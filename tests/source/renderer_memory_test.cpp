// A long run of updates leaks nothing: neither host blocks nor process memory.

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/source/renderer_fixture.h"

namespace {

using testing_support::RendererTest;

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  }
  return -1;
}

// Two lines of different widths, so that every update replaces the texture;
// every tenth update outlined.
void RenderAlternately(QuilloraThanksImage& source, int updates) {
  for (int i = 0; i < updates; ++i) {
    source.outline = i % 10 == 0;
    DisplayText = i % 2 ? u"感谢 送出的礼物" : u"感谢老板送出的火箭 x1";
    UpdateTexture(&source);
  }
}

TEST_F(RendererTest, HundredThousandUpdatesKeepMemoryFlat) {
  RenderAlternately(Source(), 2000);  // caches of the font stack fill up first
  const std::size_t blocks = standin::LiveBlocks();
  const long resident = ResidentKilobytes();
  RenderAlternately(Source(), 100000);
  EXPECT_EQ(standin::LiveBlocks(), blocks);
  // AddressSanitizer keeps freed memory in quarantine, so only the plain
  // build can see whether resident memory stays flat.
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(ResidentKilobytes() - resident, 4096);
#else
  (void)resident;
#endif
  EXPECT_TRUE(standin::LogLines().empty());
}

}  // namespace
