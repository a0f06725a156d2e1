#pragma once

// An HTTP server (cpp-httplib) for a browser on the same machine: it
// listens on 127.0.0.1 only and answers only under a fresh random token,
// /<token>/…; anything else gets 404. It serves on its own threads until it
// is destroyed. The settings form and the preview's live page are such
// servers.

#include <httplib.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace web {

// Sets the answer's status and body; no answer is cached.
void Answer(httplib::Response& response, int status, const std::string& body, const char* type);

class LoopbackServer {
 public:
  using Routes = std::function<void(httplib::Server& server, const std::string& base)>;

  // `routes` sets the server up, its paths under `base` ("/<token>/"), on
  // `threads` threads; then it listens at `port`, or at a port the system
  // picks when that is 0. `lost` runs, on the listener's thread, when the
  // server stops listening by itself (a failed accept).
  LoopbackServer(int32_t port, std::size_t threads, const Routes& routes, std::function<void()> lost = {});
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  bool ok() const { return listening_; }
  // http://127.0.0.1:<port>/<token>/
  const std::string& Url() const { return url_; }

 private:
  httplib::Server server_;
  std::thread listener_;
  bool listening_ = false;
  std::atomic<bool> stopping_{false};  // the destructor has begun
  std::atomic<bool> finished_{false};  // the listener has returned
  std::string url_;
};

}  // namespace web
