// Message boxes and the host log: recorded for tests, echoed and written to
// the log file for the preview.

#include <cstdarg>
#include <cstdio>
#include <mutex>

#include "standins/host_library/host_abi.h"
#include "standins/host_library/standin_host.h"
#include "standins/host_library/wide_format.h"

namespace {

struct Records {
  std::mutex mutex;
  std::vector<standin::MessageBoxRecord> boxes;
  std::vector<standin::LogRecord> lines;
  std::string log_file;
  bool echo = false;
};

Records& TheRecords() {
  static Records* records = new Records;  // outlives every module
  return *records;
}

void AddLine(standin::LogKind kind, std::u16string text) {
  Records& r = TheRecords();
  std::lock_guard<std::mutex> lock(r.mutex);
  const std::string utf8 = (kind == standin::LogKind::Warning ? "warning: " : "") + standin::ToUtf8(text);
  if (r.echo) std::fprintf(stderr, "[log] %s\n", utf8.c_str());
  if (!r.log_file.empty()) {
    if (FILE* f = std::fopen(r.log_file.c_str(), "a")) {
      std::fprintf(f, "%s\n", utf8.c_str());
      std::fclose(f);
    }
  }
  r.lines.push_back({kind, std::move(text)});
}

}  // namespace

int OBSMessageBox(void* owner, const char16_t* text, const char16_t* caption, unsigned flags) {
  Records& r = TheRecords();
  std::lock_guard<std::mutex> lock(r.mutex);
  standin::MessageBoxRecord box{text ? text : u"", owner != nullptr, caption != nullptr, flags};
  if (r.echo) std::fprintf(stderr, "[message box] %s\n", standin::ToUtf8(box.text).c_str());
  r.boxes.push_back(std::move(box));
  return 1;  // IDOK
}

void standin::WriteLogLine(LogKind kind, const char16_t* format, va_list args) {
  AddLine(kind, FormatWide(format, args));
}

namespace {

void WIN_CDECL WriteLog(const char16_t* format, ...) {
  va_list args;
  va_start(args, format);
  standin::WriteLogLine(standin::LogKind::Log, format, args);
  va_end(args);
}

void WIN_CDECL WriteWarning(const char16_t* format, ...) {
  va_list args;
  va_start(args, format);
  standin::WriteLogLine(standin::LogKind::Warning, format, args);
  va_end(args);
}

}  // namespace

HostLogFunction HostLog() { return &WriteLog; }
HostLogFunction HostAppWarning() { return &WriteWarning; }

namespace standin {

std::vector<MessageBoxRecord> MessageBoxes() {
  std::lock_guard<std::mutex> lock(TheRecords().mutex);
  return TheRecords().boxes;
}

std::vector<LogRecord> LogLines() {
  std::lock_guard<std::mutex> lock(TheRecords().mutex);
  return TheRecords().lines;
}

void ClearMessagesAndLog() {
  std::lock_guard<std::mutex> lock(TheRecords().mutex);
  TheRecords().boxes.clear();
  TheRecords().lines.clear();
}

void SetLogFile(const std::string& path) {
  std::lock_guard<std::mutex> lock(TheRecords().mutex);
  TheRecords().log_file = path;
}

void SetEcho(bool echo) {
  std::lock_guard<std::mutex> lock(TheRecords().mutex);
  TheRecords().echo = echo;
}

}  // namespace standin
