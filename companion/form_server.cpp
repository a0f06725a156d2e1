#include "companion/form_server.h"

#include <httplib.h>

#include <atomic>
#include <cstdint>
#include <thread>

#include "companion/form_assets.h"
#include "companion/form_token.h"
#include "companion/json_text.h"
#include "platform/exclusive_port.h"

namespace companion {

namespace {

constexpr char kLoopback[] = "127.0.0.1";
constexpr char kJson[] = "application/json; charset=utf-8";
// A form's requests are small; a larger body is refused with 413.
constexpr std::size_t kLargestBody = 64 * 1024;
// A browser keeps idle connections open; one request a connection keeps them
// from holding the few threads.
constexpr std::size_t kThreads = 4;

void Answer(httplib::Response& response, int status, const std::string& body, const char* type) {
  response.status = status;
  response.set_header("Cache-Control", "no-store");
  response.set_content(body, type);
}

}  // namespace

struct FormServer::Impl {
  httplib::Server server;
  std::thread listener;
  bool listening = false;
  std::atomic<bool> stopping{false};  // the destructor has begun
  std::atomic<bool> finished{false};  // the listener has returned
};

FormServer::FormServer(int32_t port, FormHandlers handlers) : impl_(std::make_unique<Impl>()) {
  httplib::Server& server = impl_->server;
  server.new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
  server.set_keep_alive_max_count(1);
  server.set_payload_max_length(kLargestBody);
  // No address reuse: httplib's defaults (SO_REUSEPORT, or SO_REUSEADDR on
  // Windows) would let another program listen on the form's port as well.
  server.set_socket_options(
      [](socket_t listening) { platform::KeepPortExclusive(static_cast<std::uintptr_t>(listening)); });

  const std::string base = "/" + NewFormToken() + "/";
  server.Get(base, [](const httplib::Request&, httplib::Response& response) {
    const FormAsset* page = FindFormAsset("form.html");
    Answer(response, 200, std::string(page->body), page->content_type.data());
  });
  server.Get(base + R"(([a-z]+\.(css|js)))", [](const httplib::Request& request, httplib::Response& response) {
    const FormAsset* asset = FindFormAsset(request.matches[1].str());
    if (!asset) return Answer(response, 404, "", "text/plain");
    Answer(response, 200, std::string(asset->body), asset->content_type.data());
  });
  server.Get(base + "settings", [form_json = handlers.form_json](const httplib::Request&, httplib::Response& response) {
    Answer(response, 200, form_json(), kJson);
  });
  server.Post(base + "save", [save = handlers.save](const httplib::Request& request, httplib::Response& response) {
    if (!request.get_header_value("Content-Type").starts_with("application/x-www-form-urlencoded"))
      return Answer(response, 415, JsonError("", "需要表单数据"), kJson);
    // httplib puts a query's values among the body's; only the body counts.
    if (request.target.find('?') != std::string::npos)
      return Answer(response, 400, JsonError("", "地址不能带查询参数"), kJson);
    const FormReply reply = save(request.params);
    Answer(response, reply.status, reply.json, kJson);
  });
  server.Post(base + "cancel", [cancel = handlers.cancel](const httplib::Request&, httplib::Response& response) {
    if (cancel()) return Answer(response, 200, "{}", kJson);
    Answer(response, 409, JsonError("", "表单已关闭"), kJson);
  });

  const int bound = port == 0 ? server.bind_to_any_port(kLoopback) : server.bind_to_port(kLoopback, port) ? port : -1;
  if (bound <= 0) return;
  impl_->listening = true;
  url_ = std::string("http://") + kLoopback + ":" + std::to_string(bound) + base;
  impl_->listener = std::thread([impl = impl_.get(), lost = handlers.lost] {
    impl->server.listen_after_bind();
    impl->finished = true;
    if (!impl->stopping) lost();
  });
}

FormServer::~FormServer() {
  if (!impl_->listening) return;
  impl_->stopping = true;
  // stop() acts only while the listener runs: wait until it has begun, or
  // has ended by itself.
  while (!impl_->server.is_running() && !impl_->finished) std::this_thread::yield();
  impl_->server.stop();
  impl_->listener.join();
}

bool FormServer::ok() const { return impl_->listening; }

}  // namespace companion
