#include "standins/host_program/host_echo.h"

#include "standins/host_library/standin_host.h"
#include "standins/host_program/progress_bar.h"

HostEcho::HostEcho() : boxes_(standin::MessageBoxes().size()), lines_(standin::LogLines().size()) {
  standin::SetEcho(false);
}

HostEcho::~HostEcho() { standin::SetEcho(true); }

// The same form as the host's echo.
void HostEcho::PrintNew(ProgressBar& progress) {
  const auto boxes = standin::MessageBoxes();
  for (; boxes_ < boxes.size(); ++boxes_) progress.Print("[message box] " + standin::ToUtf8(boxes[boxes_].text));
  const auto lines = standin::LogLines();
  for (; lines_ < lines.size(); ++lines_) {
    const bool warning = lines[lines_].kind == standin::LogKind::Warning;
    progress.Print(std::string("[log] ") + (warning ? "warning: " : "") + standin::ToUtf8(lines[lines_].text));
  }
}
