#include "standins/host_program/progress_bar.h"

#include <cstdio>

#include "standins/platform/terminal.h"

namespace {
constexpr int kWidth = 30;
constexpr int kLongRun = 120;  // frames; shorter runs need no bar
}  // namespace

ProgressBar::ProgressBar(int total) : total_(total), shown_(total >= kLongRun && platform::StderrIsTerminal()) {}

ProgressBar::~ProgressBar() {
  if (visible_) std::fputc('\n', stderr);
}

void ProgressBar::Update(int done, double seconds) {
  done_ = done;
  seconds_ = seconds;
  const int percent = total_ > 0 ? done * 100 / total_ : 100;
  if (!shown_ || percent == drawn_percent_) return;
  drawn_percent_ = percent;
  Draw();
}

void ProgressBar::Print(const std::string& line) {
  Clear();
  std::fprintf(stderr, "%s\n", line.c_str());
  if (shown_ && drawn_percent_ >= 0) Draw();
}

void ProgressBar::Clear() {
  if (!visible_) return;
  std::fprintf(stderr, "\r%*s\r", kWidth + 32, "");
  visible_ = false;
}

void ProgressBar::Draw() {
  const int filled = total_ > 0 ? done_ * kWidth / total_ : kWidth;
  std::string bar(std::size_t(filled), '#');
  bar.resize(kWidth, '-');
  std::fprintf(stderr, "\r[%s] %3d%%  %6.1f s", bar.c_str(), drawn_percent_, seconds_);
  std::fflush(stderr);
  visible_ = true;
}
