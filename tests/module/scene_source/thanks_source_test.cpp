#include <gtest/gtest.h>

#include <mutex>

#include "module/bindings/binding_table.h"
#include "module/bindings/message_window.h"
#include "module/bindings/window_proc.h"
#include "module/bridge/commands.h"
#include "module/bridge/shared_state_mutex.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/thanks_source.h"
#include "standins/fault_injection/faults.h"
#include "tests/module/bindings/binding_lookup.h"
#include "tests/support/plugin_fixture.h"

namespace {

using testing_support::PluginTest;

class ThanksSourceTest : public PluginTest {
 protected:
  QuilloraThanksImage* Create(standin::SettingsElement& element) {
    auto* source = static_cast<QuilloraThanksImage*>(CreateThanksSource(&element));
    sources_.emplace_back(source);
    return source;
  }

  static std::u16string Number(const standin::SettingsElement& element) { return element.GetString(u"innerId"); }

  static void SendText(win::HWND window, const std::u16string& text) {
    win::COPYDATASTRUCT data{TextUpdate, static_cast<win::DWORD>((text.size() + 1) * 2),
                             const_cast<char16_t*>(text.c_str())};
    win::SendMessageW(window, win::WM_COPYDATA, 0, reinterpret_cast<win::LPARAM>(&data));
  }

  // Sources are made and drawn while the host's output runs.
  const standin::HostOutput output_;
  std::vector<std::unique_ptr<ImageSource>> sources_;
};

TEST_F(ThanksSourceTest, EmptyElementGivesTheSourceDefaults) {
  const QuilloraThanksImage* source = Create(NewElement());
  EXPECT_TRUE(source->font == u"Arial");
  EXPECT_EQ(source->color, 0xFFFFFFFFu);
  EXPECT_EQ(source->fontSize, 48);
  EXPECT_EQ(source->textOpacity, 100u);
  EXPECT_FALSE(source->outline);
  EXPECT_EQ(source->outlineColor, 0xFF000000u);
  EXPECT_EQ(source->outlineSize, 2.0f);
  EXPECT_EQ(source->outlineOpacity, 100u);
  EXPECT_EQ(source->backgroundColor, 0xFF000000u);
  EXPECT_EQ(source->backgroundOpacity, 0u);
  EXPECT_FALSE(source->bold || source->italic || source->underline);
  EXPECT_EQ(source->QuerySize().x, 32.0f);
  EXPECT_EQ(source->QuerySize().y, 32.0f);
  EXPECT_EQ(source->texture, nullptr);
  EXPECT_TRUE(runtime.commands.empty()) << "creation binds nothing";
}

TEST_F(ThanksSourceTest, OutlineCountsOnlyWhenOneWhileStylesCountWhenNotZero) {
  auto& element = NewElement();
  element.SetInt(u"outline", 2);
  element.SetInt(u"bold", 2);
  element.SetInt(u"italic", -1);
  element.SetInt(u"underline", 0);
  const QuilloraThanksImage* source = Create(element);
  EXPECT_FALSE(source->outline);
  EXPECT_TRUE(source->bold);
  EXPECT_TRUE(source->italic);
  EXPECT_FALSE(source->underline);
  element.SetInt(u"outline", 1);
  EXPECT_FALSE(source->outline) << "settings are read only by ReloadSettings";
  sources_.back()->ReloadSettings();
  EXPECT_TRUE(source->outline);
}

TEST_F(ThanksSourceTest, ActivatingANewSourceBindsSendsSettingsThenStarts) {
  auto& element = NewElement();
  element.SetInt(u"usingASCII", 1);
  QuilloraThanksImage* source = Create(element);

  source->ActivateInScene();

  const std::u16string number = Number(element);
  ASSERT_EQ(runtime.commands.size(), 5u);
  EXPECT_EQ(runtime.commands[0], u"setPlatform:6");
  EXPECT_EQ(runtime.commands[1], u"init:" + number);
  EXPECT_EQ(runtime.commands[2], u"ASCII");
  EXPECT_TRUE(runtime.commands[3].starts_with(u"Set:" + number + u"{|}"));
  EXPECT_EQ(runtime.commands[4], u"start:" + number);
  EXPECT_TRUE(element.Has(u"baseSizeCX"));
  EXPECT_TRUE(element.Has(u"baseSizeCY"));
  EXPECT_EQ(source->QuerySize().x, 32.0f) << "the base size changes at the next ReloadSettings";

  runtime.commands.clear();
  source->ActivateInScene();
  ASSERT_EQ(runtime.commands.size(), 1u);
  EXPECT_EQ(runtime.commands[0], u"start:" + number);

  runtime.commands.clear();
  source->DeactivateInScene();
  ASSERT_EQ(runtime.commands.size(), 1u);
  EXPECT_EQ(runtime.commands[0], u"stop:" + number);
}

TEST_F(ThanksSourceTest, ActivationWithoutAWindowStartsWindowZero) {
  struct Failure {
    platform::FaultPoint point;
    std::vector<std::u16string> handshake;
  };
  for (const Failure& failure : {Failure{platform::FaultPoint::WindowCreation, {u"setPlatform:6", u"init:0"}},
                                 Failure{platform::FaultPoint::ModuleHandle, {}}}) {
    auto& element = NewElement();
    QuilloraThanksImage* source = Create(element);
    runtime.commands.clear();
    {
      platform::ScopedFault fault(failure.point);
      source->ActivateInScene();
    }
    const std::size_t n = failure.handshake.size();
    ASSERT_EQ(runtime.commands.size(), n + 2);
    for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(runtime.commands[i], failure.handshake[i]);
    EXPECT_TRUE(runtime.commands[n].starts_with(u"Set:0{|}"));
    EXPECT_EQ(runtime.commands[n + 1], u"start:0");
    EXPECT_EQ(Number(element), u"0");
  }

  // A table that cannot grow stores no record, so after the handshake of the
  // window it then destroys nothing names the source and nothing is sent.
  testing_support::FillTheTable();
  const std::size_t start = standin::AllocationCount();
  BindOrCreate(&NewElement());
  const std::size_t growth = standin::AllocationCount() - start;
  testing_support::FillTheTable();
  auto& element = NewElement();
  QuilloraThanksImage* source = Create(element);
  runtime.commands.clear();
  {
    standin::ScopedAllocationFault fault(growth);
    source->ActivateInScene();
  }
  ASSERT_EQ(runtime.commands.size(), 2u);
  EXPECT_EQ(runtime.commands[0], u"setPlatform:6");
  EXPECT_TRUE(runtime.commands[1].starts_with(u"init:"));
  EXPECT_FALSE(element.Has(u"innerId"));
}

TEST_F(ThanksSourceTest, WithoutRuntimeOrBindingNothingIsSent) {
  auto& element = NewElement();
  QuilloraThanksImage* source = Create(element);
  source->DeactivateInScene();
  EXPECT_TRUE(runtime.commands.empty());
  RuntimeHost = nullptr;
  source->ActivateInScene();
  EXPECT_FALSE(element.Has(u"innerId"));
  EXPECT_FALSE(element.Has(u"baseSizeCX"));
}

TEST_F(ThanksSourceTest, EveryRefreshOfABoundSourceRendersItsOwnLine) {
  auto& element = NewElement();
  QuilloraThanksImage* source = Create(element);
  source->ActivateInScene();
  const win::HWND window = BindOrCreate(&element).window;
  SendText(window, u"  感谢小明赠送的1个火箭  ");

  auto& graphics = standin::HostGraphics();
  source->PrepareFrame();
  ASSERT_TRUE(source->texture);
  EXPECT_TRUE(DisplayText() == u"感谢小明赠送的1个火箭") << "spaces are trimmed";
  auto* texture = static_cast<standin::MemoryTexture*>(source->texture);
  const int uploads = texture->UploadCount();
  const int made = graphics.MakeTextureCount();
  source->PrepareFrame();
  source->PrepareFrame();
  EXPECT_EQ(texture->UploadCount() + graphics.MakeTextureCount(), uploads + made + 2)
      << "no new text, yet every refresh renders";

  SendText(window, u"");
  source->PrepareFrame();
  EXPECT_TRUE(DisplayText() == u"感谢小明赠送的1个火箭") << "an empty text leaves the display text";
}

TEST_F(ThanksSourceTest, RandomColourReplacesTheColourUntilReload) {
  auto& element = NewElement();
  QuilloraThanksImage* source = Create(element);
  element.SetInt(u"RandomColor", 1);
  element.SetInt(u"RandomForeColor", static_cast<int>(0xFFFF0000u));
  source->PrepareFrame();
  EXPECT_EQ(source->color, 0xFFFF0000u);
  element.SetInt(u"RandomColor", 0);
  source->PrepareFrame();
  EXPECT_EQ(source->color, 0xFFFF0000u);
  source->ReloadSettings();
  EXPECT_EQ(source->color, 0xFFFFFFFFu);
}

TEST_F(ThanksSourceTest, DrawScalesTheTextureByRequestedOverBaseSize) {
  QuilloraThanksImage* source = Create(NewElement());
  auto& graphics = standin::HostGraphics();
  graphics.TakeSprites();
  source->DrawAt(Vect2(0, 0), Vect2(10, 10));
  EXPECT_TRUE(graphics.TakeSprites().empty()) << "no texture, nothing drawn";

  standin::MemoryTexture texture(&graphics, 200, 60, nullptr, false);
  source->texture = &texture;
  source->textureSize = {200, 60};
  source->baseSize = Vect2(100, 30);
  source->DrawAt(Vect2(10, 20), Vect2(50, 15));
  source->texture = nullptr;
  const auto sprites = graphics.TakeSprites();
  ASSERT_EQ(sprites.size(), 1u);
  EXPECT_EQ(sprites[0].texture, &texture);
  EXPECT_EQ(sprites[0].color, 0xFFFFFFFFu);
  EXPECT_FLOAT_EQ(sprites[0].x1, 10);
  EXPECT_FLOAT_EQ(sprites[0].y1, 20);
  EXPECT_FLOAT_EQ(sprites[0].x2, 110);
  EXPECT_FLOAT_EQ(sprites[0].y2, 50);
}

TEST_F(ThanksSourceTest, DestroyingMarksTheBindingAndSendsNoStop) {
  auto& element = NewElement();
  QuilloraThanksImage* source = Create(element);
  source->ActivateInScene();
  source->PrepareFrame();
  const std::u16string number = Number(element);
  const int live_textures = standin::HostGraphics().LiveTextures();
  runtime.commands.clear();

  sources_.pop_back();  // the host deletes the source

  EXPECT_TRUE(runtime.commands.empty());
  EXPECT_EQ(standin::HostGraphics().LiveTextures(), live_textures - 1);
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  EXPECT_EQ(FindBindingByInnerId(number.c_str()), nullptr);
  EXPECT_TRUE(FindBindingByInnerId((number + u".delete").c_str()));
}

TEST_F(ThanksSourceTest, CreationFailsCleanlyAtEachOfItsAllocations) {
  const std::size_t start = standin::AllocationCount();
  delete CreateThanksSource(&NewElement());
  const std::size_t allocations = standin::AllocationCount() - start;
  ASSERT_GT(allocations, 1u);
  // The element's binding, which a source that failed to come must not mark.
  auto& element = NewElement();
  ASSERT_TRUE(BindOrCreate(&element).window);
  const std::u16string number = Number(element);
  const std::size_t blocks = standin::LiveBlocks();
  for (std::size_t nth = 1; nth <= allocations; ++nth) {
    ImageSource* source;
    {
      standin::ScopedAllocationFault fault(nth);
      source = CreateThanksSource(&element);
    }
    EXPECT_EQ(source, nullptr) << "allocation " << nth;
    delete source;
    EXPECT_EQ(standin::LiveBlocks(), blocks) << "allocation " << nth;
  }
  {
    standin::ScopedAllocationFault fault;
    EXPECT_EQ(CreateThanksSource(&element), nullptr);
  }
  std::lock_guard<std::mutex> lock(SharedStateMutex());
  EXPECT_TRUE(FindBindingByInnerId(number.c_str())) << "the binding was marked";
}

}  // namespace
