// UpdateTexture for a 20-character CJK line at 48 px, plain and outlined,
// warm (the same line again, as every frame between gifts) and cold (a
// different line every time), against a baseline that only clears pixel
// memory of the same size and uploads it to a texture, and against the bare
// GDI and GDI+ calls of one update with no plug-in code around them. Each
// update case reports its time as a multiple of the baseline
// ("x_baseline"), which compares across machines, and of the bare calls
// ("x_bare"), which shows what the plug-in adds to the platform's own cost.
// At the end the ratios between the cases' medians, all from this one run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "module/platform/gdiplus.h"
#include "module/platform/gdiplus_lock.h"
#include "module/platform/win32.h"
#include "standins/host_library/standin_host.h"
#include "module/scene_source/display_text.h"
#include "module/scene_source/texture_renderer.h"
#include "module/scene_source/thanks_source.h"

namespace {

constexpr const char16_t* kLine = u"感谢大老板送出的火箭祝您天天开心万事如意";
static_assert(std::char_traits<char16_t>::length(kLine) == 20);

// Lines of 20 ideographs, none of them in the previous thousand lines: no
// glyph or path cache holds them.
class ColdLines {
 public:
  const char16_t* Next() {
    constexpr char16_t kFirst = 0x4E00;
    constexpr int kIdeographs = 20000;
    for (char16_t& character : line_) character = static_cast<char16_t>(kFirst + next_++ % kIdeographs);
    return line_;
  }

 private:
  int next_ = 0;
  char16_t line_[21] = {};
};

// The line of an update: always kLine when warm, a new one when cold.
class Lines {
 public:
  explicit Lines(bool cold) : cold_(cold) {}
  const char16_t* Next() { return cold_ ? cold_lines_.Next() : kLine; }

 private:
  const bool cold_;
  ColdLines cold_lines_;
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
        height_(source->textureSize.height) {
    font_.lfHeight = source->fontSize;
    font_.lfQuality = 4;
    std::char_traits<char16_t>::copy(font_.lfFaceName, u"Arial", 6);
    texture_.reset(GS->MakeTexture(width_, height_, GS_BGRA, nullptr, false, false));
  }

  void operator()(const char16_t* line) {
    platform::GdiplusGuard lock;
    win::HFONT gdi_font = win::CreateFontIndirectW(&font_);
    gdiplus::StringFormat *generic = nullptr, *format = nullptr;
    gdiplus::StringFormatGetGenericTypographic(&generic);
    gdiplus::CloneStringFormat(generic, &format);
    gdiplus::SetStringFormatFlags(format, 0x0804);
    gdiplus::SetStringFormatTrimming(format, gdiplus::StringTrimmingWord);
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
    gdiplus::MeasureString(measuring, line, 20, font, &unbounded, format, &box);
    gdiplus::DeleteGraphics(measuring);
    win::DeleteDC(measuring_dc);
    win::DeleteObject(gdi_font);

    win::HDC memory_dc = win::CreateCompatibleDC(nullptr);
    win::BITMAPINFO info{};
    info.bmiHeader = {40, width_, height_, 1, 32, 0, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    win::HBITMAP dib = win::CreateDIBSection(memory_dc, &info, 0, &pixels, nullptr, 0);
    gdiplus::Bitmap* bitmap = nullptr;
    gdiplus::CreateBitmapFromScan0(width_, height_, width_ * 4, gdiplus::PixelFormat32bppARGB, pixels, &bitmap);
    gdiplus::Graphics* graphics = nullptr;
    gdiplus::GetImageGraphicsContext(bitmap, &graphics);
    gdiplus::SolidBrush* text_brush = nullptr;
    gdiplus::CreateSolidFill(0xFFFFFFFFu, &text_brush);
    gdiplus::GraphicsClear(graphics, 0x00000000);
    gdiplus::SolidBrush* background = nullptr;
    gdiplus::CreateSolidFill(0x00000000, &background);
    gdiplus::FillRectangle(graphics, background, box.X, box.Y, box.Width, box.Height);
    gdiplus::DeleteBrush(background);
    gdiplus::SetTextRenderingHint(graphics, gdiplus::TextRenderingHintAntiAlias);
    gdiplus::SetCompositingMode(graphics, gdiplus::CompositingModeSourceOver);
    gdiplus::SetSmoothingMode(graphics, gdiplus::SmoothingModeAntiAlias);
    if (outline_) {
      DrawOutlined(graphics, line, font, box, format, text_brush);
    } else {
      gdiplus::DrawString(graphics, line, -1, font, &box, format, text_brush);
    }
    gdiplus::DeleteBrush(text_brush);
    gdiplus::DeleteGraphics(graphics);
    texture_->UploadPixels(pixels, GS_IMAGEFORMAT_BGRA, width_ * 4);
    win::DeleteDC(memory_dc);
    win::DeleteObject(dib);
    gdiplus::DisposeBitmap(bitmap);
    gdiplus::DeleteFont(font);
    gdiplus::DeleteStringFormat(format);
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
    gdiplus::CreatePen(0xFF000000u, outline_size_, gdiplus::UnitWorld, &pen);
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
  win::LOGFONTW font_{};
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

void RunBare(benchmark::State& state, bool outline, bool cold) {
  BenchSource source(outline);
  UpdateTexture(source.get());
  BareUpdate bare(source.get());
  Lines lines(cold);
  for (auto _ : state) bare(lines.Next());
}

void BM_BareCallsPlain(benchmark::State& state) { RunBare(state, false, false); }
void BM_BareCallsOutline(benchmark::State& state) { RunBare(state, true, false); }

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
  Lines lines(cold);
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
    if (median.contains(over) && under > 0) std::printf("%-34s %6.2f\n", label, median[over] / under);
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
BENCHMARK(BM_UpdateTextureColdPlain)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateTextureColdOutline)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
