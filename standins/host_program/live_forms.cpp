#include "standins/host_program/live_forms.h"

#include <httplib.h>

#include <algorithm>

#include "standins/web/json_text.h"

namespace {

// The UI thread takes a request within milliseconds; a form that is not
// served by then never will be.
constexpr std::chrono::seconds kOpenTimeout(10);

FormRequestReply Error(int status, std::string_view reason) {
  return {status, "{\"error\":" + web::JsonString(reason) + "}"};
}

// Cancels the form served at `url` (http://127.0.0.1:<port>/<token>/).
void CancelForm(const std::string& url) {
  const std::size_t path = url.find('/', std::string_view("http://").size());
  if (path == std::string::npos) return;
  httplib::Client client(url.substr(0, path));
  client.set_connection_timeout(2);
  client.Post(url.substr(path) + "cancel");
}

}  // namespace

FormRequestReply LiveForms::Request(const std::string& source) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (closing_) return Error(503, "预览正在退出");
  if (open_source_ && *open_source_ != source) return Error(409, "另一个来源的设置窗口还开着: " + *open_source_);
  if (!open_source_) asked_.push_back(source);
  changed_.notify_all();
  const bool served = changed_.wait_for(lock, kOpenTimeout, [&] {
    return closing_ || (open_source_ == source && !open_url_.empty()) ||
           (!open_source_ && std::find(asked_.begin(), asked_.end(), source) == asked_.end());
  });
  if (!served || closing_ || open_url_.empty() || open_source_ != source) return Error(503, "设置窗口没有打开");
  return {200, "{\"form\":" + web::JsonString(open_url_) + "}"};
}

std::optional<std::string> LiveForms::Next(std::chrono::milliseconds wait) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!changed_.wait_for(lock, wait, [&] { return closing_ || !asked_.empty(); }) || closing_) return std::nullopt;
  open_source_ = asked_.front();
  // Every request for this source is answered by the one form.
  std::erase(asked_, *open_source_);
  open_url_.clear();
  return open_source_;
}

void LiveForms::Opened(const std::string& url) {
  bool closing;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    open_url_ = url;
    closing = closing_;
    changed_.notify_all();
  }
  // A form that opens as the preview ends closes at once.
  if (closing) CancelForm(url);
}

void LiveForms::Closed() {
  std::lock_guard<std::mutex> lock(mutex_);
  open_source_.reset();
  open_url_.clear();
  changed_.notify_all();
}

void LiveForms::CancelAll() {
  std::string url;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closing_ = true;
    url = open_url_;
    changed_.notify_all();
  }
  if (!url.empty()) CancelForm(url);
}
