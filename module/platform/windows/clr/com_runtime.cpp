#include "module/platform/windows/clr/com_runtime.h"

namespace clr {

namespace {

// Gives the wrapper's COM reference back and deletes the wrapper.
template <class Wrapper, class Com>
uint32_t ReleaseWrapper(Wrapper* wrapper, Com* com) {
  const uint32_t left = com->Release();
  delete wrapper;
  return left;
}

class RuntimeHost final : public ICLRRuntimeHost {
 public:
  explicit RuntimeHost(mscoree::ICLRRuntimeHost* com) : com_(com) {}

  HRESULT Start() override { return com_->Start(); }
  HRESULT Stop() override { return com_->Stop(); }
  HRESULT ExecuteInDefaultAppDomain(const char16_t* assembly_path, const char16_t* type, const char16_t* method,
                                    const char16_t* argument, uint32_t* result) override {
    return com_->ExecuteInDefaultAppDomain(assembly_path, type, method, argument, result);
  }
  uint32_t Release() override { return ReleaseWrapper(this, com_); }

 private:
  mscoree::ICLRRuntimeHost* const com_;
};

class RuntimeInfo final : public ICLRRuntimeInfo {
 public:
  explicit RuntimeInfo(mscoree::ICLRRuntimeInfo* com) : com_(com) {}

  HRESULT GetRuntimeHost(ICLRRuntimeHost** host) override {
    return HandOut<ICLRRuntimeHost, mscoree::ICLRRuntimeHost>(
        host,
        [this](void** object) {
          return com_->GetInterface(mscoree::CLSID_CLRRuntimeHost, mscoree::IID_ICLRRuntimeHost, object);
        },
        WrapRuntimeHost);
  }
  uint32_t Release() override { return ReleaseWrapper(this, com_); }

 private:
  mscoree::ICLRRuntimeInfo* const com_;
};

class MetaHost final : public ICLRMetaHost {
 public:
  explicit MetaHost(mscoree::ICLRMetaHost* com) : com_(com) {}

  HRESULT GetRuntime(const char16_t* version, ICLRRuntimeInfo** info) override {
    return HandOut<ICLRRuntimeInfo, mscoree::ICLRRuntimeInfo>(
        info, [&](void** object) { return com_->GetRuntime(version, mscoree::IID_ICLRRuntimeInfo, object); },
        WrapRuntimeInfo);
  }
  uint32_t Release() override { return ReleaseWrapper(this, com_); }

 private:
  mscoree::ICLRMetaHost* const com_;
};

}  // namespace

ICLRMetaHost* WrapMetaHost(mscoree::ICLRMetaHost* meta_host) { return new MetaHost(meta_host); }
ICLRRuntimeInfo* WrapRuntimeInfo(mscoree::ICLRRuntimeInfo* info) { return new RuntimeInfo(info); }
ICLRRuntimeHost* WrapRuntimeHost(mscoree::ICLRRuntimeHost* host) { return new RuntimeHost(host); }

}  // namespace clr
