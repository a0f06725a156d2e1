#include "standins/host_program/contact_sheet.h"

#include <algorithm>

namespace {
constexpr int kGap = 4;
constexpr uint32_t kSheetBackground = 0x000000FF;
}  // namespace

ContactSheet::ContactSheet(int frames, int samples, int canvas_width, int canvas_height) {
  samples = std::clamp(samples, 1, frames);
  // Evenly over the run, the last frame included.
  for (int i = 0; i < samples; ++i)
    sampled_.push_back(samples == 1 ? frames - 1 : int(int64_t(frames - 1) * (i + 1) / samples));
  sampled_.erase(std::unique(sampled_.begin(), sampled_.end()), sampled_.end());
  columns_ = std::min<int>(4, int(sampled_.size()));
  const int rows = (int(sampled_.size()) + columns_ - 1) / columns_;
  cell_width_ = std::max(1, canvas_width / 4);
  cell_height_ = std::max(1, canvas_height / 4);
  sheet_ = Image(kGap + columns_ * (cell_width_ + kGap), kGap + rows * (cell_height_ + kGap), kSheetBackground);
}

bool ContactSheet::Samples(int index) const {
  return std::binary_search(sampled_.begin(), sampled_.end(), index);
}

void ContactSheet::Add(const Image& frame) {
  const int column = added_ % columns_, row = added_ / columns_;
  ++added_;
  DrawScaled(sheet_, frame, kGap + column * (cell_width_ + kGap), kGap + row * (cell_height_ + kGap), cell_width_,
             cell_height_);
}
