// The stand-in managed runtime. An "assembly" is a native module; the static
// method Type.Name.Method is its export Type_Name_Method, with the signature
// int32_t (const char16_t* argument). Modules stay loaded until the runtime
// host's last reference is released, as assemblies stay loaded in the
// default domain.

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "module/platform/clr_hosting.h"
#include "module/platform/system.h"
#include "standins/fault_injection/faults.h"

namespace clr {

namespace {

constexpr char16_t kVersion[] = u"v4.0.30319";
constexpr HRESULT HOST_E_INVALIDOPERATION = static_cast<HRESULT>(0x80131022u);

using ManagedEntry = int32_t (*)(const char16_t* argument);

std::string Narrow(const char16_t* text) {
  // Paths and names here are ASCII; anything else cannot name an export.
  std::string out;
  for (; text && *text; ++text) out += *text < 0x80 ? static_cast<char>(*text) : '?';
  return out;
}

std::string ExportName(const char16_t* type, const char16_t* method) {
  std::string name = Narrow(type) + "." + Narrow(method);
  for (char& c : name)
    if (c == '.') c = '_';
  return name;
}

class RefCounted {
 public:
  uint32_t AddRef() { return ++references_; }

 protected:
  // Drops one reference and deletes `self` with the last one.
  template <class T>
  static uint32_t ReleaseOf(T* self) {
    const uint32_t left = --self->references_;
    if (left == 0) delete self;
    return left;
  }

 private:
  std::atomic<uint32_t> references_{1};
};

class StandInRuntimeHost final : public ICLRRuntimeHost, public RefCounted {
 public:
  HRESULT Start() override {
    started_ = true;
    return S_OK;
  }

  HRESULT Stop() override {
    started_ = false;
    return S_OK;
  }

  HRESULT ExecuteInDefaultAppDomain(const char16_t* assembly_path, const char16_t* type, const char16_t* method,
                                    const char16_t* argument, uint32_t* result) override {
    if (!assembly_path || !type || !method || !result) return E_POINTER;
    if (!started_) return HOST_E_INVALIDOPERATION;
    if (platform::FaultInjected(platform::FaultPoint::RuntimeCall)) return E_FAIL;
    void* module = Module(Narrow(assembly_path));
    if (!module) return COR_E_FILENOTFOUND;
    auto entry = platform::FindFunction<ManagedEntry>(module, ExportName(type, method).c_str());
    if (!entry) return COR_E_MISSINGMETHOD;
    // Not under the lock: the method may block (a form) while other threads
    // issue commands.
    *result = static_cast<uint32_t>(entry(argument ? argument : u""));
    return S_OK;
  }

  uint32_t Release() override { return ReleaseOf(this); }

  ~StandInRuntimeHost() {
    for (auto& loaded : modules_) platform::CloseModule(loaded.second);
  }

 private:

  void* Module(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& loaded : modules_)
      if (loaded.first == path) return loaded.second;
    void* module = platform::OpenModule(path.c_str());
    if (module) modules_.emplace_back(path, module);
    return module;
  }

  std::atomic<bool> started_{false};
  std::mutex mutex_;
  std::vector<std::pair<std::string, void*>> modules_;
};

class StandInRuntimeInfo final : public ICLRRuntimeInfo, public RefCounted {
 public:
  HRESULT GetRuntimeHost(ICLRRuntimeHost** host) override {
    if (!host) return E_POINTER;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!host_) host_ = new StandInRuntimeHost;
    host_->AddRef();
    *host = host_;
    return S_OK;
  }

  uint32_t Release() override { return ReleaseOf(this); }

  ~StandInRuntimeInfo() {
    if (host_) host_->Release();
  }

 private:
  std::mutex mutex_;
  StandInRuntimeHost* host_ = nullptr;
};

class StandInMetaHost final : public ICLRMetaHost, public RefCounted {
 public:
  explicit StandInMetaHost(bool runtime_installed) : runtime_installed_(runtime_installed) {}

  HRESULT GetRuntime(const char16_t* version, ICLRRuntimeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (!runtime_installed_ || !version || std::u16string_view(version) != kVersion) return CLR_E_SHIM_RUNTIME;
    *info = new StandInRuntimeInfo;
    return S_OK;
  }

  uint32_t Release() override { return ReleaseOf(this); }

 private:
  bool runtime_installed_;
};

}  // namespace

// STANDIN_CLR plays the machine's runtime installation, as the runtime's own
// environment settings do: "no-runtime" (no v4 runtime installed) or
// "no-metahost" (the hosting shim itself is missing).
HRESULT CLRCreateInstance(ICLRMetaHost** meta_host) {
  if (!meta_host) return E_POINTER;
  const char* mode = std::getenv("STANDIN_CLR");
  const std::string installation = mode ? mode : "";
  if (installation == "no-metahost") {
    *meta_host = nullptr;
    return E_FAIL;
  }
  *meta_host = new StandInMetaHost(installation != "no-runtime");
  return S_OK;
}

}  // namespace clr
