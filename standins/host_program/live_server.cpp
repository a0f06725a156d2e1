#include "standins/host_program/live_server.h"

#include <cstdlib>

#include "standins/host_program/live_assets.h"

namespace {

constexpr char kJson[] = "application/json; charset=utf-8";
// Each watching page keeps up to two requests waiting for frames.
constexpr std::size_t kThreads = 8;
constexpr std::chrono::seconds kFrameWait(1);

void AddRoutes(httplib::Server& server, const std::string& base, FrameStore& frames, const LiveHandlers& handlers) {
  server.Get(base + R"((|[a-z]+\.(html|css|js)))", [](const httplib::Request& request, httplib::Response& response) {
    const std::string name = request.matches[1].str();
    const web::EmbeddedAsset* asset = live_page::FindLiveAsset(name.empty() ? "live.html" : name);
    if (!asset) return web::Answer(response, 404, "", "text/plain");
    web::Answer(response, 200, std::string(asset->body), asset->content_type.data());
  });
  server.Get(base + "sources", [json = handlers.sources_json](const httplib::Request&, httplib::Response& response) {
    web::Answer(response, 200, json(), kJson);
  });
  server.Get(base + "frame", [&frames](const httplib::Request& request, httplib::Response& response) {
    const uint64_t after = std::strtoull(request.get_param_value("after").c_str(), nullptr, 10);
    const std::shared_ptr<const LiveFrame> frame = frames.WaitNewer(after, kFrameWait);
    if (!frame) return web::Answer(response, 204, "", "text/plain");
    const auto age = std::chrono::steady_clock::now() - frame->rendered;
    response.set_header("X-Frame", std::to_string(frame->number));
    response.set_header("X-Frame-Age",
                        std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(age).count()));
    web::Answer(response, 200, frame->jpeg, "image/jpeg");
  });
  server.Post(base + "configure", [configure = handlers.configure](const httplib::Request& request,
                                                                  httplib::Response& response) {
    const FormRequestReply reply = configure(request.get_param_value("source"));
    web::Answer(response, reply.status, reply.json, kJson);
  });
  server.Post(base + "test-gift", [test_gift = handlers.test_gift](const httplib::Request& request,
                                                                  httplib::Response& response) {
    if (test_gift(request.get_param_value("source"))) return web::Answer(response, 200, "{}", kJson);
    web::Answer(response, 404, R"({"error":"没有这个来源"})", kJson);
  });
}

}  // namespace

std::unique_ptr<web::LoopbackServer> StartLiveServer(FrameStore& frames, LiveHandlers handlers) {
  return std::make_unique<web::LoopbackServer>(
      0, kThreads, [&](httplib::Server& server, const std::string& base) { AddRoutes(server, base, frames, handlers); });
}
