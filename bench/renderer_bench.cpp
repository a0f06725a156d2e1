// UpdateTexture for a 20-character CJK line at 48 px, plain and outlined,
// warm (the same line again, as every frame between gifts) and cold (a new
// line of glyphs never drawn before every time), against a baseline that
// only clears pixel memory of the same size and uploads it to a texture, and
// against the bare GDI and GDI+ calls of one update with no plug-in code
// around them. Each update case reports its time as a multiple of the
// baseline ("x_baseline"), which compares across machines, and of the bare
// calls ("x_bare"), which shows what the plug-in adds to the platform's own
// cost.
// At the end the ratios between the cases' medians, all from this one run,
// on stderr, so that what --benchmark_format=json prints stays JSON.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "module/platform/win32.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/font_description.h"
#include "module/scene_source/render_colors.h"
#include "module/scene_source/text_layout_format.h"
#include "module/scene_source/texture_renderer.h"
#include "module/scene_source/thanks_source.h"
#include "standins/host_library/standin_host.h"

namespace {

constexpr const char16_t* kLine = u"感谢大老板送出的火箭祝您天天开心万事如意";
static_assert(std::char_traits<char16_t>::length(kLine) == 20);

// The cold cases run a fixed number of measurements of a fixed number of
// updates, each with a line of its own and the bare calls with another, so
// that every cold measurement of every run draws the same number of
// never-seen glyphs.
constexpr int kColdRepetitions = 5;
constexpr int kColdIterations = 50;
constexpr std::size_t kColdLines = 2 * kColdIterations;  // per measurement
constexpr int kColdMeasurements = 2 * kColdRepetitions;  // plain and outlined
constexpr char32_t kFirstIdeograph = 0x4E00, kLastIdeograph = 0x9FFF;
// Each measurement's share of the block holds its lines and the few of
// kLine's ideographs it skips.
static_assert(kColdLines * 20 + 20 <= (kLastIdeograph - kFirstIdeograph + 1) / kColdMeasurements);

// `count` lines of 20 ideographs that nothing in this run has drawn before,
// so that no glyph or path cache holds them; empty when the run has had all
// its cold measurements or `count` is more than one measurement's. Each
// measurement takes every kColdMeasurements-th ideograph of the block from a
// start of its own on: all of them draw the same mix of glyphs from across
// the block, whatever ran before.
std::vector<std::u16string> UnseenLines(std::size_t count) {
  static int measurements = 0;
  if (measurements == kColdMeasurements || count > kColdLines) return {};
  std::vector<std::u16string> lines(count);
  char32_t next = kFirstIdeograph + measurements++;
  for (std::u16string& line : lines) {
    while (line.size() < 20) {
      const auto ideograph = static_cast<char16_t>(next);
      if (std::u16string_view(kLine).find(ideograph) == std::u16string_view::npos) line += ideograph;
      next += kColdMeasurements;
    }
  }
  return lines;
}

// The lines of one measurement, made before it starts: always kLine when
// warm, a new one each time when cold.
class Lines {
 public:
  Lines(bool cold, benchmark::IterationCount count)
      : cold_(cold), unseen_(cold ? UnseenLines(static_cast<std::size_t>(count)) : std::vector<std::u16string>{}) {}
  // False when cold lines were asked for and none were left.
  bool ok() const { return !cold_ || !unseen_.empty(); }
  const char16_t* Next() { return cold_ ? unseen_[next_++].c_str() : kLine; }

 private:
  const bool cold_;
  const std::vector<std::u16string> unseen_;
  std::size_t next_ = 0;
};

// A source with the default settings at 48 px; outlined on request.
class BenchSource {
 public:
  explicit BenchSource(bool outline) : element_(u"data") {
    element_.SetInt(u"fontSize", 48);
    element_.SetInt(u"outline", outline ? 1 : 0);
    source_.reset(static_cast<QuilloraThanksImage*>(CreateThanksSource(&element_)));
    DisplayText() = kLine;
  }
  QuilloraThanksImage* get() { return source_.get(); }

 private:
  standin::SettingsElement element_;
  std::unique_ptr<QuilloraThanksImage> source_;
};

using Clock = std::chrono::steady_clock;

// Clears pixel memory as large as the plain line's texture and uploads it.
class ClearAndUpload {
 public:
  ClearAndUpload() {
    BenchSource plain(false);
    UpdateTexture(plain.get());
    width_ = plain.get()->textureSize.width;
    height_ = plain.get()->textureSize.height;
    pixels_.resize(static_cast<std::size_t>(width_) * height_);
    texture_.reset(GS->MakeTexture(width_, height_, GS_BGRA, pixels_.data(), false, false));
  }
  void operator()() {
    std::fill(pixels_.begin(), pixels_.end(), 0x00000000u);
    texture_->UploadPixels(pixels_.data(), GS_IMAGEFORMAT_BGRA, width_ * 4);
    benchmark::ClobberMemory();
  }

 private:
  int32_t width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
  std::unique_ptr<Texture> texture_;
};

// The GDI and GDI+ calls that one update of `source` makes, in the same
// order and with the same values, then the upload; without the source, its
// settings, the size rule or the colour rules, which run once beforehand.
class BareUpdate {
 public:
  explicit BareUpdate(QuilloraThanksImage* source)
      : outline_(source->outline),
        outline_size_(source->outlineSize),
        width_(source->textureSize.width),
        height_(source->textureSize.height),
        font_(
            DescribeTextFont(source->font.Array(), source->fontSize, source->bold, source->italic, source->underline)),
        text_argb_(TextArgb(source->color, source->textOpacity)),
        background_argb_(BackgroundArgb(source->backgroundColor, source->backgroundOpacity, true)),
        outline_argb_(OutlineArgb(source->outlineColor, source->outlineOpacity, source->textOpacity)) {
    texture_.reset(GS->MakeTexture(width_, height_, GS_BGRA, nullptr, false, false));
  }

  void operator()(const char16_t* line) {
    platform::GdiplusGuard lock;
    win::HFONT gdi_font = win::CreateFontIndirectW(&font_);
    const OwnedFormat format = CreateTextLayoutFormat();
    win::HDC measuring_dc = win::CreateCompatibleDC(nullptr);
    win::LOGFONTA narrow{};
    win::GetObjectA(gdi_font, sizeof narrow, &narrow);
    gdiplus::Font* font = nullptr;
    gdiplus::CreateFontFromLogfontA(measuring_dc, &narrow, &font);
    gdiplus::Graphics* measuring = nullptr;
    gdiplus::CreateFromHDC(measuring_dc, &measuring);
    gdiplus::SetTextRenderingHint(measuring, gdiplus::TextRenderingHintAntiAlias);
    const gdiplus::RectF unbounded{0, 0, 0, 0};
    gdiplus::RectF box{0, 0, 32, 32};
    const auto length = static_cast<int>(std::char_traits<char16_t>::length(line));
    gdiplus::MeasureString(measuring, line, length, font, &unbounded, format.get(), &box);
    gdiplus::DeleteGraphics(measuring);
    win::DeleteDC(measuring_dc);
    win::DeleteObject(gdi_font);

    win::HDC memory_dc = win::CreateCompatibleDC(nullptr);
    win::BITMAPINFO info{};
    info.bmiHeader = {sizeof(win::BITMAPINFOHEADER), width_, height_, 1, 32, 0, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    win::HBITMAP dib = win::CreateDIBSection(memory_dc, &info, 0, &pixels, nullptr, 0);
    gdiplus::Bitmap* bitmap = nullptr;
    gdiplus::CreateBitmapFromScan0(width_, height_, width_ * 4, gdiplus::PixelFormat32bppARGB, pixels, &bitmap);
    gdiplus::Graphics* graphics = nullptr;
    gdiplus::GetImageGraphicsContext(bitmap, &graphics);
    gdiplus::SolidBrush* text_brush = nullptr;
    gdiplus::CreateSolidFill(text_argb_, &text_brush);
    gdiplus::GraphicsClear(graphics, 0x00000000);
    gdiplus::SolidBrush* background = nullptr;
    gdiplus::CreateSolidFill(background_argb_, &background);
    gdiplus::FillRectangle(graphics, background, box.X, box.Y, box.Width, box.Height);
    gdiplus::DeleteBrush(background);
    gdiplus::SetTextRenderingHint(graphics, gdiplus::TextRenderingHintAntiAlias);
    gdiplus::SetCompositingMode(graphics, gdiplus::CompositingModeSourceOver);
    gdiplus::SetSmoothingMode(graphics, gdiplus::SmoothingModeAntiAlias);
    if (outline_) {
      DrawOutlined(graphics, line, font, box, format.get(), text_brush);
    } else {
      gdiplus::DrawString(graphics, line, -1, font, &box, format.get(), text_brush);
    }
    gdiplus::DeleteBrush(text_brush);
    gdiplus::DeleteGraphics(graphics);
    texture_->UploadPixels(pixels, GS_IMAGEFORMAT_BGRA, width_ * 4);
    win::DeleteDC(memory_dc);
    win::DeleteObject(dib);
    gdiplus::DisposeBitmap(bitmap);
    gdiplus::DeleteFont(font);
  }

 private:
  void DrawOutlined(gdiplus::Graphics* graphics, const char16_t* line, gdiplus::Font* font, gdiplus::RectF box,
                    const gdiplus::StringFormat* format, gdiplus::SolidBrush* text_brush) {
    box.X += outline_size_ * 0.5f;
    box.Y += outline_size_ * 0.5f;
    gdiplus::Path* path = nullptr;
    gdiplus::CreatePath(gdiplus::FillModeAlternate, &path);
    gdiplus::FontFamily* family = nullptr;
    gdiplus::GetFamily(font, &family);
    int style = 0;
    gdiplus::GetFontStyle(font, &style);
    float em_size = 0;
    gdiplus::GetFontSize(font, &em_size);
    gdiplus::AddPathString(path, line, -1, family, style, em_size, &box, format);
    gdiplus::Pen* pen = nullptr;
    gdiplus::CreatePen(outline_argb_, outline_size_, gdiplus::UnitWorld, &pen);
    gdiplus::SetPenLineJoin(pen, gdiplus::LineJoinRound);
    gdiplus::DrawPath(graphics, pen, path);
    gdiplus::FillPath(graphics, text_brush, path);
    gdiplus::DeletePen(pen);
    gdiplus::DeletePath(path);
    gdiplus::DeleteFontFamily(family);
  }

  const bool outline_;
  const float outline_size_;
  const int32_t width_, height_;
  const win::LOGFONTW font_;
  const uint32_t text_argb_, background_argb_, outline_argb_;
  std::unique_ptr<Texture> texture_;
};

// Median time of one run of `work`.
template <typename Work>
double MedianSeconds(Work& work) {
  std::vector<double> runs(501);
  for (double& run : runs) {
    const auto start = Clock::now();
    work();
    run = std::chrono::duration<double>(Clock::now() - start).count();
  }
  std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
  return runs[runs.size() / 2];
}

// Measured once for all cases.
double BaselineSeconds() {
  static const double seconds = [] {
    ClearAndUpload baseline;
    return MedianSeconds(baseline);
  }();
  return seconds;
}

void BM_ClearAndUploadBaseline(benchmark::State& state) {
  ClearAndUpload baseline;
  for (auto _ : state) baseline();
}

void RunBare(benchmark::State& state, bool outline) {
  BenchSource source(outline);
  UpdateTexture(source.get());
  BareUpdate bare(source.get());
  for (auto _ : state) bare(kLine);
}

void BM_BareCallsPlain(benchmark::State& state) { RunBare(state, false); }
void BM_BareCallsOutline(benchmark::State& state) { RunBare(state, true); }

// Every update time of each case, over all repetitions.
std::map<std::string, std::vector<double>>& CaseRuns() {
  static std::map<std::string, std::vector<double>> runs;
  return runs;
}

double Median(std::vector<double> runs) {
  std::nth_element(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(runs.size() / 2), runs.end());
  return runs[runs.size() / 2];
}

void RunUpdates(benchmark::State& state, const std::string& name, bool outline, bool cold) {
  BenchSource source(outline);
  UpdateTexture(source.get());  // the texture exists from here on
  const double baseline = BaselineSeconds();
  BareUpdate bare(source.get());
  Lines lines(cold, 2 * state.max_iterations);
  if (!lines.ok()) {
    state.SkipWithError("no never-seen lines left for a cold measurement");
    return;
  }
  // The bare calls run beside the updates, on the line after each update's,
  // so that cold, both draw glyphs of the same kind and neither finds the
  // other's in a cache.
  std::vector<double> runs, bare_runs;
  for (auto _ : state) {
    DisplayText() = lines.Next();
    const auto start = Clock::now();
    UpdateTexture(source.get());
    runs.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    state.PauseTiming();
    const char16_t* bare_line = lines.Next();
    const auto bare_start = Clock::now();
    bare(bare_line);
    bare_runs.push_back(std::chrono::duration<double>(Clock::now() - bare_start).count());
    state.ResumeTiming();
  }
  double total = 0;
  for (double run : runs) total += run;
  state.counters["x_baseline"] = total / static_cast<double>(runs.size()) / baseline;
  // Median against median: the two differ by little, and a busy machine's
  // outliers would hide it.
  state.counters["x_bare"] = Median(runs) / Median(bare_runs);
  state.SetLabel(std::to_string(source.get()->textureSize.width) + "x" +
                 std::to_string(source.get()->textureSize.height));
  std::vector<double>& all = CaseRuns()[name];
  all.insert(all.end(), runs.begin(), runs.end());
}

void BM_UpdateTexturePlain(benchmark::State& state) { RunUpdates(state, "plain", false, false); }
void BM_UpdateTextureOutline(benchmark::State& state) { RunUpdates(state, "outline", true, false); }
void BM_UpdateTextureColdPlain(benchmark::State& state) { RunUpdates(state, "cold plain", false, true); }
void BM_UpdateTextureColdOutline(benchmark::State& state) { RunUpdates(state, "cold outline", true, true); }

// The cases' medians against each other.
void ReportRatios() {
  std::map<std::string, double> median;
  for (const auto& [name, runs] : CaseRuns())
    if (!runs.empty()) median[name] = Median(runs);
  const auto ratio = [&](const char* label, const std::string& over, double under) {
    if (median.contains(over) && under > 0) std::fprintf(stderr, "%-34s %6.2f\n", label, median[over] / under);
  };
  if (median.contains("plain")) ratio("warm outline / plain", "outline", median["plain"]);
  if (median.contains("cold plain")) ratio("cold outline / cold plain", "cold outline", median["cold plain"]);
  ratio("plain / clear+upload", "plain", BaselineSeconds());
}

BENCHMARK(BM_ClearAndUploadBaseline)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareCallsPlain)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BareCallsOutline)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateTexturePlain)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateTextureOutline)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateTextureColdPlain)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(kColdIterations)
    ->Repetitions(kColdRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateTextureColdOutline)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(kColdIterations)
    ->Repetitions(kColdRepetitions)
    ->ReportAggregatesOnly(true);

}  // namespace

// GDI+ runs for the whole program, as the host runs it for the plug-in.
int main(int argc, char** argv) {
  uintptr_t token = 0;
  if (gdiplus::Startup(&token) != gdiplus::Ok) return 1;
  const standin::HostOutput output;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  ReportRatios();
  benchmark::Shutdown();
  return 0;
}
