#pragma once

// The clr:: interfaces over the runtime's COM objects. Each wrapper owns one
// COM reference, taken over from the caller, and gives it back with the
// wrapper's own Release.

#include "module/platform/clr_hosting.h"
#include "module/platform/windows/clr/metahost_abi.h"

namespace clr {

ICLRMetaHost* WrapMetaHost(mscoree::ICLRMetaHost* meta_host);
ICLRRuntimeInfo* WrapRuntimeInfo(mscoree::ICLRRuntimeInfo* info);
ICLRRuntimeHost* WrapRuntimeHost(mscoree::ICLRRuntimeHost* host);

// Runs a COM call that hands out an interface and wraps the result; on
// failure the out reference stays null and the call's status is returned.
template <class Ours, class Com, class Call, class Wrap>
HRESULT HandOut(Ours** out, Call call, Wrap wrap) {
  if (!out) return E_POINTER;
  *out = nullptr;
  void* object = nullptr;
  const HRESULT status = call(&object);
  if (status < 0) return status;
  if (!object) return E_POINTER;
  *out = wrap(static_cast<Com*>(object));
  return status;
}

}  // namespace clr
