#pragma once

// The host with the plug-in module loaded as it loads it, and the stand-in
// companion serving each settings form to a visitor: a function that runs on
// a thread of its own with the form's address, while the host's thread waits
// in the configure callback and dispatches its windows' messages.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "standins/companion/companion_client.h"
#include "standins/host_library/standin_host.h"
#include "standins/plugin_loader/plugin_module.h"

namespace form_testing {

// A form's address, "http://127.0.0.1:<port>/<token>/", in parts.
struct FormAddress {
  std::string host;
  int port = 0;
  std::string base;  // "/<token>/"
};
FormAddress ParseAddress(const std::string& url);

// Cancels the form at `url` if it is still open; whether it was.
bool CancelIfOpen(const std::string& url);

class FormHost {
 public:
  using Visitor = std::function<void(const std::string& url)>;

  FormHost();
  ~FormHost();
  FormHost(const FormHost&) = delete;
  FormHost& operator=(const FormHost&) = delete;

  bool ok() const { return loaded_ && companion_.ok(); }
  const CompanionClient& companion() const { return companion_; }

  // The host's configure callback for `element`, its form served at `port`
  // (0: a port the system picks) to `visit`. Once the visitor has returned,
  // a form it left open is cancelled, so that a failed visit cannot hang the
  // test, and counted in LeftOpen().
  bool Configure(XElement& element, const Visitor& visit, int32_t port = 0);
  int FormsServed() const { return served_; }
  int LeftOpen() const { return left_open_; }

  std::unique_ptr<standin::HostedSource> Create(XElement& data) const { return class_.callbacks->Create(&data); }

 private:
  static void Opened(int32_t window, const char* url, void* context);

  PluginModule module_;
  CompanionClient companion_;
  bool loaded_ = false;
  standin::RegisteredClass class_;
  Visitor visit_;
  int served_ = 0;
  std::atomic<int> left_open_{0};
};

// A test with a fresh host record, one source's element and the host: every
// form it serves must have been answered by its visitor.
class FormHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::ClearMessagesAndLog();
    ASSERT_TRUE(host.ok());
  }
  void TearDown() override { EXPECT_EQ(host.LeftOpen(), 0) << "a form was still open after its visit"; }

  // Declared first, so that the module unloads while the element lives.
  standin::SettingsElement element{u"source"};
  FormHost host;
};

// The "data" child of a configured source's element.
inline standin::SettingsElement& DataOf(standin::SettingsElement& source) {
  return *static_cast<standin::SettingsElement*>(source.GetElement(u"data"));
}

// The window number a source's binding holds, and whether that window is there.
int32_t WindowNumberOf(XElement& data);
bool WindowExists(XElement& data);

}  // namespace form_testing
