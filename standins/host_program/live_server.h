#pragma once

// The live page's server, on 127.0.0.1 under a random token
// (standins/web/loopback_server.h):
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

#include "standins/host_program/frame_store.h"
#include "standins/host_program/live_forms.h"
#include "standins/web/loopback_server.h"

struct LiveHandlers {
  std::function<std::string()> sources_json;
  std::function<FormRequestReply(const std::string& source)> configure;
  std::function<bool(const std::string& source)> test_gift;  // false: no such source
};

// The server, listening unless its ok() says otherwise; it serves frames
// from `frames`, which must outlive it.
std::unique_ptr<web::LoopbackServer> StartLiveServer(FrameStore& frames, LiveHandlers handlers);
