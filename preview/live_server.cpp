#include "preview/live_server.h"

#include <httplib.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "companion/form_token.h"
#include "preview/live_assets.h"

namespace {

constexpr char kLoopback[] = "127.0.0.1";
constexpr char kJson[] = "application/json; charset=utf-8";
// Each watching page keeps one request waiting for its next frame.
constexpr std::size_t kThreads = 8;
constexpr std::chrono::seconds kFrameWait(1);

void Answer(httplib::Response& response, int status, const std::string& body, const char* type) {
  response.status = status;
  response.set_header("Cache-Control", "no-store");
  response.set_content(body, type);
}

}  // namespace

struct LiveServer::Impl {
  httplib::Server server;
  std::thread listener;
  bool listening = false;
  std::atomic<bool> finished{false};  // the listener has returned
};

LiveServer::LiveServer(FrameStore& frames, LiveHandlers handlers) : impl_(std::make_unique<Impl>()) {
  httplib::Server& server = impl_->server;
  server.new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
  server.set_socket_options([](socket_t) {});  // no SO_REUSEPORT: the port is the preview's alone

  const std::string base = "/" + companion::NewFormToken() + "/";
  server.Get(base + R"((|[a-z]+\.(html|css|js)))", [](const httplib::Request& request, httplib::Response& response) {
    const std::string name = request.matches[1].str();
    const live_page::LiveAsset* asset = live_page::FindLiveAsset(name.empty() ? "live.html" : name);
    if (!asset) return Answer(response, 404, "", "text/plain");
    Answer(response, 200, std::string(asset->body), asset->content_type.data());
  });
  server.Get(base + "sources", [json = handlers.sources_json](const httplib::Request&, httplib::Response& response) {
    Answer(response, 200, json(), kJson);
  });
  server.Get(base + "frame", [&frames](const httplib::Request& request, httplib::Response& response) {
    const uint64_t after = std::strtoull(request.get_param_value("after").c_str(), nullptr, 10);
    const std::shared_ptr<const LiveFrame> frame = frames.WaitNewer(after, kFrameWait);
    if (!frame) return Answer(response, 204, "", "text/plain");
    const auto age = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - frame->rendered);
    response.set_header("X-Frame", std::to_string(frame->number));
    response.set_header("X-Frame-Age", std::to_string(age.count()));
    Answer(response, 200, frame->jpeg, "image/jpeg");
  });
  server.Post(base + "configure", [configure = handlers.configure](const httplib::Request& request,
                                                                  httplib::Response& response) {
    const FormRequestReply reply = configure(request.get_param_value("source"));
    Answer(response, reply.status, reply.json, kJson);
  });
  server.Post(base + "test-gift", [test_gift = handlers.test_gift](const httplib::Request& request,
                                                                  httplib::Response& response) {
    if (test_gift(request.get_param_value("source"))) return Answer(response, 200, "{}", kJson);
    Answer(response, 404, R"({"error":"没有这个来源"})", kJson);
  });

  const int bound = server.bind_to_any_port(kLoopback);
  if (bound <= 0) return;
  impl_->listening = true;
  url_ = std::string("http://") + kLoopback + ":" + std::to_string(bound) + base;
  impl_->listener = std::thread([impl = impl_.get()] {
    impl->server.listen_after_bind();
    impl->finished = true;
  });
}

LiveServer::~LiveServer() {
  if (!impl_->listening) return;
  // stop() acts only once the listener runs.
  while (!impl_->server.is_running() && !impl_->finished) std::this_thread::yield();
  impl_->server.stop();
  impl_->listener.join();
}

bool LiveServer::ok() const { return impl_->listening; }
