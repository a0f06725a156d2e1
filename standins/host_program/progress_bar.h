#pragma once

// A progress bar on standard error, redrawn in place; silent when standard
// error is no terminal. Lines printed meanwhile go through Print, so that
// they do not land in the middle of the bar.

#include <string>

class ProgressBar {
 public:
  explicit ProgressBar(int total);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Update(int done, double seconds);
  void Print(const std::string& line);

 private:
  void Clear();
  void Draw();

  const int total_;
  const bool shown_;
  int done_ = 0;
  double seconds_ = 0;
  int drawn_percent_ = -1;
  bool visible_ = false;
};
