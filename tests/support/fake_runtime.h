#pragma once

// A runtime host that records the commands the plug-in sends, in place of
// the companion. Tests install it as RuntimeHost.

#include <functional>
#include <string>
#include <vector>

#include "module/platform/clr_hosting.h"

namespace testing_support {

class FakeRuntimeHost : public clr::ICLRRuntimeHost {
 public:
  clr::HRESULT Start() override { return clr::S_OK; }
  clr::HRESULT Stop() override { return clr::S_OK; }
  clr::HRESULT ExecuteInDefaultAppDomain(const char16_t* path, const char16_t* type, const char16_t* method,
                                         const char16_t* argument, uint32_t* result) override {
    last_path = path;
    last_type = type;
    last_method = method;
    commands.emplace_back(argument);
    if (on_command) on_command(commands.back());
    if (fail_calls) return clr::COR_E_FILENOTFOUND;
    *result = static_cast<uint32_t>(answer);
    return clr::S_OK;
  }
  uint32_t Release() override { return 1; }

  std::vector<std::u16string> commands;
  std::u16string last_path, last_type, last_method;
  int answer = 0;
  bool fail_calls = false;
  // Runs inside each call, before the answer: what the plug-in has done by
  // the time the companion hears the command.
  std::function<void(const std::u16string&)> on_command;
};

}  // namespace testing_support
