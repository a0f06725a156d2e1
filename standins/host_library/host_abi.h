#pragma once

// What of the stand-in host depends on the ABI of the host's library, which
// the build picks: gnu_host_abi.cpp where the host's library shares the
// plug-in's compiler and ABI (Linux), msvc/host_abi.cpp where it is in
// MSVC's ABI, as the host's own (Windows).

#include <cstdarg>
#include <memory>

#include "standins/host_library/standin_host.h"

namespace standin {

// Shared by both: records a class the plug-in registered (api.cpp) and
// writes a log line (messages.cpp).
void AddRegisteredClass(RegisteredClass registered);
void WriteLogLine(LogKind kind, const char16_t* format, va_list args);

// A registered class whose callbacks the host calls as it got them; the
// callbacks' types are the host ABI's.
template <class CreateProc, class ConfigureProc>
class CallbackClass : public HostedClass {
 public:
  CallbackClass(CreateProc create, ConfigureProc configure) : create_(create), configure_(configure) {}

  std::unique_ptr<HostedSource> Create(XElement* data) const override {
    auto* source = create_(data);
    if (!source) return nullptr;
    return std::make_unique<HostedSource>(source);
  }
  bool Configure(XElement* element, bool creating) const override {
    return configure_ && configure_(element, creating);
  }
  bool HasConfigure() const override { return configure_ != nullptr; }

 private:
  CreateProc create_;
  ConfigureProc configure_;
};

// Per ABI: the pointer a texture starts with, its slots where the plug-in
// calls it through the host's ABI (null where it calls the members of
// module/host_api/graphics.h directly); and the output's start and stop, which GS
// follows.
const void* HostTextureSlots();
void PublishOutput(bool running);

}  // namespace standin
