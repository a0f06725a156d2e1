// clr::CLRCreateInstance for the product: the .NET runtime's meta-host from
// mscoree.dll, found at run time (MinGW has no import library for it).
// mscoree.dll stays loaded: the runtime's objects live in it.

#include "module/platform/system.h"
#include "module/platform/windows/clr/com_runtime.h"

namespace clr {

namespace {

constexpr HRESULT kModuleNotFound = static_cast<HRESULT>(0x8007007Eu);  // HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND)
constexpr HRESULT kProcNotFound = static_cast<HRESULT>(0x8007007Fu);    // HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND)

}  // namespace

HRESULT CLRCreateInstance(ICLRMetaHost** meta_host) {
  if (!meta_host) return E_POINTER;
  *meta_host = nullptr;
  void* mscoree = platform::OpenModule("mscoree.dll");
  if (!mscoree) return kModuleNotFound;
  // Before .NET 4 mscoree had no CLRCreateInstance.
  auto create = platform::FindFunction<mscoree::CLRCreateInstanceFn*>(mscoree, "CLRCreateInstance");
  if (!create) return kProcNotFound;
  return HandOut<ICLRMetaHost, mscoree::ICLRMetaHost>(
      meta_host, [&](void** object) { return create(mscoree::CLSID_CLRMetaHost, mscoree::IID_ICLRMetaHost, object); },
      WrapMetaHost);
}

}  // namespace clr
