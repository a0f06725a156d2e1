#pragma once

// The live page's server: on 127.0.0.1 only, at a port the system picks,
// answering only under a fresh random token (/<token>/…; anything else gets
// 404). It runs until it is destroyed.
//
//   GET  /<token>/                   the page
//   GET  /<token>/sources            JSON: the sources, their windows and places
//   GET  /<token>/frame?after=N      the next JPEG frame after number N (headers
//                                    X-Frame: its number, X-Frame-Age: ms since it
//                                    was rendered); 204 when none came within a second
//   POST /<token>/configure?source=S the source's settings form: {"form":"<address>"}
//   POST /<token>/test-gift?source=S a sample gift in the source's room

#include <functional>
#include <memory>
#include <string>

#include "preview/frame_store.h"
#include "preview/live_forms.h"

struct LiveHandlers {
  std::function<std::string()> sources_json;
  std::function<FormRequestReply(const std::string& source)> configure;
  std::function<bool(const std::string& source)> test_gift;  // false: no such source
};

class LiveServer {
 public:
  LiveServer(FrameStore& frames, LiveHandlers handlers);
  ~LiveServer();
  LiveServer(const LiveServer&) = delete;
  LiveServer& operator=(const LiveServer&) = delete;

  bool ok() const;
  // http://127.0.0.1:<port>/<token>/
  const std::string& Url() const { return url_; }

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string url_;
};
