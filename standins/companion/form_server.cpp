#include "standins/companion/form_server.h"

#include "standins/companion/form_assets.h"
#include "standins/web/json_text.h"
#include "standins/web/loopback_server.h"

namespace companion {

namespace {

constexpr char kJson[] = "application/json; charset=utf-8";
// A form's requests are small; a larger body is refused with 413.
constexpr std::size_t kLargestBody = 64 * 1024;
// A browser keeps idle connections open; one request a connection keeps them
// from holding the few threads.
constexpr std::size_t kThreads = 4;

void AddRoutes(httplib::Server& server, const std::string& base, const FormHandlers& handlers) {
  server.set_keep_alive_max_count(1);
  server.set_payload_max_length(kLargestBody);
  server.Get(base, [](const httplib::Request&, httplib::Response& response) {
    const web::EmbeddedAsset* page = FindFormAsset("form.html");
    web::Answer(response, 200, std::string(page->body), page->content_type.data());
  });
  server.Get(base + R"(([a-z]+\.(css|js)))", [](const httplib::Request& request, httplib::Response& response) {
    const web::EmbeddedAsset* asset = FindFormAsset(request.matches[1].str());
    if (!asset) return web::Answer(response, 404, "", "text/plain");
    web::Answer(response, 200, std::string(asset->body), asset->content_type.data());
  });
  server.Get(base + "settings", [form_json = handlers.form_json](const httplib::Request&, httplib::Response& response) {
    web::Answer(response, 200, form_json(), kJson);
  });
  server.Post(base + "save", [save = handlers.save](const httplib::Request& request, httplib::Response& response) {
    if (!request.get_header_value("Content-Type").starts_with("application/x-www-form-urlencoded"))
      return web::Answer(response, 415, web::JsonError("", "需要表单数据"), kJson);
    // httplib puts a query's values among the body's; only the body counts.
    if (request.target.find('?') != std::string::npos)
      return web::Answer(response, 400, web::JsonError("", "地址不能带查询参数"), kJson);
    const FormReply reply = save(request.params);
    web::Answer(response, reply.status, reply.json, kJson);
  });
  server.Post(base + "cancel", [cancel = handlers.cancel](const httplib::Request&, httplib::Response& response) {
    if (cancel()) return web::Answer(response, 200, "{}", kJson);
    web::Answer(response, 409, web::JsonError("", "表单已关闭"), kJson);
  });
  server.Post(base + "test-gift", [sample_gift = handlers.sample_gift](const httplib::Request&,
                                                                      httplib::Response& response) {
    sample_gift();
    web::Answer(response, 200, "{}", kJson);
  });
}

}  // namespace

FormServer::FormServer(int32_t port, FormHandlers handlers)
    : server_(std::make_unique<web::LoopbackServer>(
          port, kThreads, [&](httplib::Server& server, const std::string& base) { AddRoutes(server, base, handlers); },
          handlers.lost)) {}

FormServer::~FormServer() = default;

bool FormServer::ok() const { return server_->ok(); }

const std::string& FormServer::Url() const { return server_->Url(); }

}  // namespace companion
