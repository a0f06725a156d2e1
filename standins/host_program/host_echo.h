#pragma once

// Prints the message boxes and log lines the host records, while frames
// play: through the progress bar, so that neither cuts into the other.

#include <cstddef>

class ProgressBar;

class HostEcho {
 public:
  // Takes over from the host's own echo until destroyed.
  HostEcho();
  ~HostEcho();
  HostEcho(const HostEcho&) = delete;
  HostEcho& operator=(const HostEcho&) = delete;

  void PrintNew(ProgressBar& progress);

 private:
  std::size_t boxes_;
  std::size_t lines_;
};
