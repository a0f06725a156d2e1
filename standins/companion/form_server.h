#pragma once

// The settings form served to a browser: the page, its data, and the Save
// and Cancel requests, on the loopback interface only. Each server has a
// fresh random token, and only paths under /<token>/ are answered; anything
// else gets 404. The server runs until it is destroyed.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "standins/companion/form_fields.h"

namespace web {
class LoopbackServer;
}  // namespace web

namespace companion {

struct FormReply {
  int status;        // HTTP status
  std::string json;  // body
};

struct FormHandlers {
  std::function<std::string()> form_json;            // GET  /<token>/settings
  std::function<FormReply(const FormParams&)> save;  // POST /<token>/save
  std::function<bool()> cancel;  // POST /<token>/cancel; false: the form has its answer already
  std::function<void()> sample_gift;  // POST /<token>/test-gift
  std::function<void()> lost;    // the server stopped listening by itself (a failed accept)
};

class FormServer {
 public:
  // Listens on 127.0.0.1 at `port`, or on a port the system picks when it is
  // 0. The handlers run on the server's own threads.
  FormServer(int32_t port, FormHandlers handlers);
  ~FormServer();
  FormServer(const FormServer&) = delete;
  FormServer& operator=(const FormServer&) = delete;

  // Whether it listens.
  bool ok() const;
  // http://127.0.0.1:<port>/<token>/
  const std::string& Url() const;

 private:
  std::unique_ptr<web::LoopbackServer> server_;
};

}  // namespace companion
