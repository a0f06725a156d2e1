// A long run of updates leaks nothing: neither host blocks nor process memory.

#include <gtest/gtest.h>

#include "tests/module/scene_source/renderer_fixture.h"
#include "tests/support/resident_memory.h"

namespace {

using testing_support::RendererTest;
using testing_support::ResidentKilobytes;

// The sanitizers keep freed memory in quarantine or shadow, so only the plain
// build can see whether resident memory stays flat; there they check the
// host blocks over fewer updates, which they run many times slower.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kChecksResidentMemory = false;
constexpr int kUpdates = 10000;
#else
constexpr bool kChecksResidentMemory = true;
constexpr int kUpdates = 100000;
#endif

// Two lines of different widths, so that every update replaces the texture;
// every tenth update outlined.
void RenderAlternately(QuilloraThanksImage& source, int updates) {
  for (int i = 0; i < updates; ++i) {
    source.outline = i % 10 == 0;
    DisplayText() = i % 2 ? u"感谢 送出的礼物" : u"感谢老板送出的火箭 x1";
    UpdateTexture(&source);
  }
}

TEST_F(RendererTest, LongRunOfUpdatesKeepsMemoryFlat) {
  RenderAlternately(Source(), 2000);  // caches of the font stack fill up first
  const std::size_t blocks = standin::LiveBlocks();
  const long resident = ResidentKilobytes();
  ASSERT_GT(resident, 0);
  RenderAlternately(Source(), kUpdates);
  EXPECT_EQ(standin::LiveBlocks(), blocks);
  if (kChecksResidentMemory) {
    EXPECT_LT(ResidentKilobytes() - resident, 4096);
  }
  EXPECT_TRUE(standin::LogLines().empty());
}

}  // namespace
