#pragma once

// The settings forms a live page asks for. The page's request runs on a
// server thread; the form itself must be opened by the UI thread, which
// then sits in the configure callback until the form closes. One form is
// open at a time.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

struct FormRequestReply {
  int status;        // 200 opened, 409 another form is open, 503 shutting down or no answer
  std::string json;  // {"form":"<address>"} or {"error":"…"}
};

class LiveForms {
 public:
  // Server thread: asks for the form of `source` and waits until the UI
  // thread has opened it. The open form of the same source is given again.
  FormRequestReply Request(const std::string& source);
  // UI thread: the next source whose form is asked for, within `wait`.
  std::optional<std::string> Next(std::chrono::milliseconds wait);
  // UI thread: the form of the source taken by Next has opened at `url`,
  // has not opened, or has closed.
  void Opened(const std::string& url);
  void Closed();
  // Any thread: the open form is cancelled (as its page's Cancel does) and
  // later requests are refused.
  void CancelAll();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::string> asked_;
  std::optional<std::string> open_source_;  // taken by the UI thread
  std::string open_url_;                    // empty until it is served
  bool closing_ = false;
};
