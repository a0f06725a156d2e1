#include "standins/web/loopback_server.h"

#include <cstdint>

#include "standins/platform/exclusive_port.h"
#include "standins/web/form_token.h"

namespace web {

namespace {

constexpr char kLoopback[] = "127.0.0.1";

}  // namespace

void Answer(httplib::Response& response, int status, const std::string& body, const char* type) {
  response.status = status;
  response.set_header("Cache-Control", "no-store");
  response.set_content(body, type);
}

LoopbackServer::LoopbackServer(int32_t port, std::size_t threads, const Routes& routes, std::function<void()> lost) {
  server_.new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
  // No address reuse: httplib's defaults (SO_REUSEPORT, or SO_REUSEADDR on
  // Windows) would let another program listen on the port as well.
  server_.set_socket_options(
      [](socket_t listening) { platform::KeepPortExclusive(static_cast<std::uintptr_t>(listening)); });
  const std::string base = "/" + NewFormToken() + "/";
  routes(server_, base);

  const int bound = port == 0 ? server_.bind_to_any_port(kLoopback) : server_.bind_to_port(kLoopback, port) ? port : -1;
  if (bound <= 0) return;
  listening_ = true;
  url_ = std::string("http://") + kLoopback + ":" + std::to_string(bound) + base;
  listener_ = std::thread([this, lost = std::move(lost)] {
    server_.listen_after_bind();
    finished_ = true;
    if (!stopping_ && lost) lost();
  });
}

LoopbackServer::~LoopbackServer() {
  if (!listening_) return;
  stopping_ = true;
  // stop() acts only while the listener runs: wait until it has begun, or
  // has ended by itself.
  while (!server_.is_running() && !finished_) std::this_thread::yield();
  server_.stop();
  listener_.join();
}

}  // namespace web
