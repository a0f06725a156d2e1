// What an update does when a GDI or GDI+ call fails: the warnings it writes
// and whether the texture changes, made to happen with the fault hooks.

#include <gtest/gtest.h>

#include <string>

#include "standins/fault_injection/gdi_faults.h"
#include "standins/fault_injection/gdiplus_faults.h"
#include "tests/module/scene_source/renderer_fixture.h"

namespace {

using gdiplus::InjectedFault;
using gdiplus::Operation;
using testing_support::RendererTest;

// A status with the high bit set: printed unsigned, not as -2.
constexpr gdiplus::Status kFailure = -2;
// A fault that never fires, to count calls.
constexpr int kNeverCall = 1 << 30;

class RendererFailureTest : public RendererTest {
 protected:
  std::vector<std::string> Warnings() const {
    std::vector<std::string> texts;
    for (const auto& line : standin::LogLines()) {
      EXPECT_EQ(line.kind, standin::LogKind::Warning);
      texts.push_back(standin::ToUtf8(line.text));
    }
    return texts;
  }
  // Renders once well, then `text` with whatever faults the caller set.
  struct Before {
    const ::Texture* texture;
    int32_t width, height;
    int uploads;
  };
  Before RenderWell() {
    Render(u"一二三四五");
    standin::ClearMessagesAndLog();
    return {Source().texture, Source().textureSize.width, Source().textureSize.height, Texture().UploadCount()};
  }
  void ExpectUnchanged(const Before& before) {
    EXPECT_EQ(Source().texture, before.texture);
    EXPECT_EQ(Source().textureSize.width, before.width);
    EXPECT_EQ(Source().textureSize.height, before.height);
    EXPECT_EQ(Texture().UploadCount(), before.uploads);
  }
};

struct WarnedFailure {
  Operation operation;
  const char16_t* text;
  const char* warning;
};

class WarnedFailureTest : public RendererFailureTest, public ::testing::WithParamInterface<WarnedFailure> {};

// Measuring, clearing (both branches) and drawing plain text: one warning
// each, and the update still hands its pixels to a new texture.
TEST_P(WarnedFailureTest, WarnsOnceWithTheStatusAndGoesOn) {
  const InjectedFault fault(GetParam().operation, kFailure);
  Source().fontSize = 12;
  Render(GetParam().text);
  EXPECT_EQ(Warnings(), std::vector<std::string>{std::string(GetParam().warning) + "4294967294"});
  EXPECT_EQ(fault.Failures(), 1);
  EXPECT_NE(Source().texture, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WarnedFailureTest,
    ::testing::Values(
        WarnedFailure{Operation::MeasureString, u"一", "TextSource::UpdateTexture: Gdiplus::Graphics::MeasureString failed: "},
        WarnedFailure{Operation::GraphicsClear, u"一", "TextSource::UpdateTexture: Graphics::Clear failed: "},
        WarnedFailure{Operation::GraphicsClear, u"", "TextSource::UpdateTexture: Graphics::Clear failed: "},
        WarnedFailure{Operation::DrawString, u"一", "TextSource::UpdateTexture: Graphics::DrawString failed: "}));

TEST_F(RendererFailureTest, FailedMeasurementKeepsTheFirstBoxAndStillWidensIt) {
  const InjectedFault fault(Operation::MeasureString, kFailure);
  Source().outline = true;
  Source().outlineSize = 6;
  Render(u"一二三");
  EXPECT_EQ(Source().textureSize.width, 38) << "32 + 6";
  EXPECT_EQ(Source().textureSize.height, 38);
}

TEST_F(RendererFailureTest, NoGdiFontLeavesEverythingAsItWas) {
  const Before before = RenderWell();
  const win::InjectedGdiFault no_font(win::GdiOperation::FontCreation);
  const InjectedFault measuring(Operation::MeasureString, gdiplus::Ok, kNeverCall);
  const InjectedFault drawing(Operation::DrawString, gdiplus::Ok, kNeverCall);
  Render(u"一二三四五六七");
  EXPECT_EQ(no_font.Calls(), 2) << "the source's face, then Arial";
  EXPECT_EQ(measuring.Calls(), 0);
  EXPECT_EQ(drawing.Calls(), 0);
  ExpectUnchanged(before);
  EXPECT_TRUE(Warnings().empty());
}

TEST_F(RendererFailureTest, ArialStandsInForAFaceWithoutAFont) {
  const win::InjectedGdiFault first_font_fails(win::GdiOperation::FontCreation, 1);
  Render(u"一二三");
  EXPECT_EQ(first_font_fails.Calls(), 2);
  EXPECT_NE(Source().texture, nullptr);
}

// A bitmap, its graphics or the pixel memory that cannot be made: the
// texture and its size stay as they were, silently.
TEST_F(RendererFailureTest, NoSurfaceLeavesTheTextureAsItWas) {
  for (int row = 0; row < 3; ++row) {
    const Before before = RenderWell();
    {
      const InjectedFault bitmap(Operation::CreateBitmapFromScan0, row == 0 ? kFailure : gdiplus::Ok,
                                 row == 0 ? platform::kEveryCall : kNeverCall);
      const InjectedFault graphics(Operation::GetImageGraphicsContext, row == 1 ? kFailure : gdiplus::Ok,
                                   row == 1 ? platform::kEveryCall : kNeverCall);
      const win::InjectedGdiFault memory(win::GdiOperation::DibSectionCreation, row == 2 ? platform::kEveryCall : kNeverCall);
      Render(u"一二三四五六七");
      ExpectUnchanged(before);
      EXPECT_TRUE(Warnings().empty()) << row;
    }
    Render(u"一二三四五六七");
    EXPECT_NE(Source().textureSize.width, before.width) << "the next update goes through, " << row;
  }
}

class SilentFailureTest : public RendererFailureTest, public ::testing::WithParamInterface<Operation> {};

// Every other failure is silent and the update goes on to the texture.
TEST_P(SilentFailureTest, IsNotReportedAndTheUpdateGoesOn) {
  Source().outline = true;
  const Before before = RenderWell();
  const InjectedFault fault(GetParam(), kFailure);
  Render(u"一二三四五六七八");
  EXPECT_GE(fault.Failures(), 1);
  EXPECT_TRUE(Warnings().empty());
  EXPECT_NE(Source().textureSize.width, before.width);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SilentFailureTest,
    ::testing::Values(Operation::CloneStringFormat, Operation::SetStringFormatFlags,
                      Operation::SetStringFormatTrimming, Operation::SetTextRenderingHint,
                      Operation::SetCompositingMode, Operation::SetSmoothingMode, Operation::CreateSolidFill,
                      Operation::FillRectangle, Operation::CreatePath, Operation::AddPathString, Operation::GetFamily,
                      Operation::CreatePen, Operation::SetPenLineJoin, Operation::DrawPath, Operation::FillPath));

// Not reported itself: only the measurement that then has no font or no
// graphics, and the drawing that has no font.
TEST_F(RendererFailureTest, NoGdiplusFontOrMeasuringGraphicsShowsInTheMeasurement) {
  for (Operation operation : {Operation::CreateFontFromLogfontA, Operation::CreateFromHDC}) {
    const Before before = RenderWell();
    const InjectedFault fault(operation, kFailure);
    Source().outline = true;
    Render(u"一二三四五六七八");
    const std::vector<std::string> warnings = Warnings();
    ASSERT_FALSE(warnings.empty()) << static_cast<int>(operation);
    EXPECT_TRUE(warnings[0].starts_with("TextSource::UpdateTexture: Gdiplus::Graphics::MeasureString failed: "));
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_NE(Source().textureSize.width, before.width) << "the update went on";
  }
}

}  // namespace
