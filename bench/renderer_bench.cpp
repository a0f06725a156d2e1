// UpdateTexture for a 20-character CJK line at 48 px, plain and outlined,
// against a baseline that only clears pixel memory of the same size and
// uploads it to a texture. Each update case also reports its time as a
// multiple of the baseline ("x_baseline"), which compares across machines.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdiplus_flat.h"
#include "platform/hostapi/standin_host.h"
#include "source/display_text.h"
#include "source/texture_renderer.h"
#include "source/thanks_source.h"

namespace {

constexpr const char16_t* kLine = u"感谢大老板送出的火箭祝您天天开心万事如意";
static_assert(std::char_traits<char16_t>::length(kLine) == 20);

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

// Median time of one baseline run, measured once for all cases.
double BaselineSeconds() {
  static const double seconds = [] {
    ClearAndUpload baseline;
    std::vector<double> runs(2001);
    for (double& run : runs) {
      const auto start = Clock::now();
      baseline();
      run = std::chrono::duration<double>(Clock::now() - start).count();
    }
    std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
    return runs[runs.size() / 2];
  }();
  return seconds;
}

void BM_ClearAndUploadBaseline(benchmark::State& state) {
  ClearAndUpload baseline;
  for (auto _ : state) baseline();
}

void RunUpdates(benchmark::State& state, bool outline) {
  BenchSource source(outline);
  UpdateTexture(source.get());  // the texture exists from here on
  const double baseline = BaselineSeconds();
  const auto start = Clock::now();
  for (auto _ : state) UpdateTexture(source.get());
  const double per_update = std::chrono::duration<double>(Clock::now() - start).count() / state.iterations();
  state.counters["x_baseline"] = per_update / baseline;
  state.SetLabel(std::to_string(source.get()->textureSize.width) + "x" +
                 std::to_string(source.get()->textureSize.height));
}

void BM_UpdateTexturePlain(benchmark::State& state) { RunUpdates(state, false); }
void BM_UpdateTextureOutline(benchmark::State& state) { RunUpdates(state, true); }

BENCHMARK(BM_ClearAndUploadBaseline)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateTexturePlain)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateTextureOutline)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

// GDI+ runs for the whole program, as the host runs it for the plug-in.
int main(int argc, char** argv) {
  uintptr_t token = 0;
  const GdiplusStartupInput input{1, nullptr, 0, 0};
  if (GdiplusStartup(&token, &input, nullptr) != 0) return 1;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
