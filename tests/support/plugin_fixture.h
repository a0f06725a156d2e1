#pragma once

// Fixture for tests of the plug-in's code linked into the test: a fake
// runtime host, fresh host records, and windows pumped on this thread.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "module/bridge/runtime.h"
#include "module/bridge/using_ascii.h"
#include "module/platform/win32.h"
#include "standins/host_library/standin_host.h"
#include "tests/support/fake_runtime.h"

namespace testing_support {

class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::ClearMessagesAndLog();
    RuntimeHost = &runtime;
    // Texts decode as UTF-16 until a test switches, as after the module loads.
    UsingAscii = 0;
  }
  void TearDown() override { RuntimeHost = nullptr; }

  // A fresh settings element. Elements live until the process ends: the
  // binding table keeps pointers to them across tests.
  static standin::SettingsElement& NewElement() {
    static std::vector<std::unique_ptr<standin::SettingsElement>> elements;
    elements.push_back(std::make_unique<standin::SettingsElement>(u"data"));
    return *elements.back();
  }

  static void PumpMessages() {
    win::MSG msg;
    while (win::PeekMessageW(&msg, nullptr, 0, 0, win::PM_REMOVE)) win::DispatchMessageW(&msg);
  }

  FakeRuntimeHost runtime;
};

// UTF-16 text for readable assertion messages.
inline std::string Utf8(const std::u16string& text) { return standin::ToUtf8(text); }

}  // namespace testing_support
