#pragma once

// A strip of frames sampled over the run, laid out as a contact sheet.

#include <vector>

#include "standins/host_program/image.h"

class ContactSheet {
 public:
  // `samples` frames out of `frames`, each shrunk to a quarter of the canvas.
  ContactSheet(int frames, int samples, int canvas_width, int canvas_height);

  // Whether frame `index` (0-based) is one of the samples.
  bool Samples(int index) const;
  void Add(const Image& frame);
  const Image& Sheet() const { return sheet_; }
  // The sampled frame numbers, in order.
  const std::vector<int>& SampledFrames() const { return sampled_; }

 private:
  std::vector<int> sampled_;
  int added_ = 0;
  int columns_;
  int cell_width_;
  int cell_height_;
  Image sheet_;
};
