// The module's first refresh, in a program of its own so that the module-wide
// render request is still the one made at load.

#include <gtest/gtest.h>

#include <memory>

#include "module/bridge/runtime.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/thanks_source.h"
#include "standins/host_library/standin_host.h"

namespace {

// Puts back the state the module's load leaves, for the next repeat.
struct RestoreLoadState {
  ~RestoreLoadState() {
    RenderPending = 1;
    DisplayText() = DefaultHintText();
  }
};

TEST(FirstRefresh, OnlyTheFirstUnboundRefreshRendersTheHint) {
  const RestoreLoadState restore;
  ASSERT_EQ(RuntimeHost, nullptr) << "no runtime runs here";
  ASSERT_EQ(RenderPending, 1);
  ASSERT_TRUE(DisplayText() == DefaultHintText());
  const standin::HostOutput output;
  standin::SettingsElement first_element(u"data"), second_element(u"data");
  std::unique_ptr<ImageSource> first(CreateThanksSource(&first_element));
  std::unique_ptr<ImageSource> second(CreateThanksSource(&second_element));
  auto* first_source = static_cast<QuilloraThanksImage*>(first.get());
  auto* second_source = static_cast<QuilloraThanksImage*>(second.get());
  auto& graphics = standin::HostGraphics();

  first->PrepareFrame();
  ASSERT_TRUE(first_source->texture) << "the hint is rendered";
  EXPECT_GT(first_source->textureSize.width, 32) << "the hint's width, not the empty-text size";
  EXPECT_EQ(RenderPending, 0);
  const int made = graphics.MakeTextureCount();
  const int uploads = static_cast<standin::MemoryTexture*>(first_source->texture)->UploadCount();

  first->PrepareFrame();
  second->PrepareFrame();
  EXPECT_EQ(graphics.MakeTextureCount(), made);
  EXPECT_EQ(static_cast<standin::MemoryTexture*>(first_source->texture)->UploadCount(), uploads);
  EXPECT_EQ(second_source->texture, nullptr);

  graphics.TakeSprites();
  second->DrawAt(Vect2(0, 0), Vect2(100, 100));
  EXPECT_TRUE(graphics.TakeSprites().empty());
  first->DrawAt(Vect2(0, 0), first->QuerySize());
  EXPECT_EQ(graphics.TakeSprites().size(), 1u);

  first->ActivateInScene();  // without a runtime: nothing happens
  EXPECT_FALSE(first_element.Has(u"innerId"));
  EXPECT_FALSE(first_element.Has(u"baseSizeCX"));
}

}  // namespace
