#pragma once

// Hosting of the managed runtime that runs the companion: the meta-host, the
// runtime information for one version and the runtime host, with only the
// methods the plug-in calls. Each object is reference counted; Release drops
// the caller's reference. All results are HRESULTs (negative = failure).
//
// The build picks the implementation: the .NET runtime through mscoree on a
// Windows product build, or the stand-in runtime, which opens the assembly
// file as a native module and calls the export named after the type and
// method (standins/runtime/standin_runtime.cpp).

#include <cstdint>

namespace clr {

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
constexpr HRESULT COR_E_FILENOTFOUND = static_cast<HRESULT>(0x80070002u);
constexpr HRESULT COR_E_MISSINGMETHOD = static_cast<HRESULT>(0x80131513u);
constexpr HRESULT CLR_E_SHIM_RUNTIME = static_cast<HRESULT>(0x80131700u);

class ICLRRuntimeHost {
 public:
  virtual HRESULT Start() = 0;
  virtual HRESULT Stop() = 0;
  // Calls the static method `method` of type `type` in the assembly at
  // `assembly_path` with `argument` and stores its integer result in *result.
  // Runs on the calling thread and returns when the method returns.
  virtual HRESULT ExecuteInDefaultAppDomain(const char16_t* assembly_path, const char16_t* type,
                                            const char16_t* method, const char16_t* argument,
                                            uint32_t* result) = 0;
  virtual uint32_t Release() = 0;

 protected:
  ~ICLRRuntimeHost() = default;
};

class ICLRRuntimeInfo {
 public:
  // Hands out the runtime host of this runtime, with a reference for the caller.
  virtual HRESULT GetRuntimeHost(ICLRRuntimeHost** host) = 0;
  virtual uint32_t Release() = 0;

 protected:
  ~ICLRRuntimeInfo() = default;
};

class ICLRMetaHost {
 public:
  // Finds the installed runtime `version` ("v4.0.30319").
  virtual HRESULT GetRuntime(const char16_t* version, ICLRRuntimeInfo** info) = 0;
  virtual uint32_t Release() = 0;

 protected:
  ~ICLRMetaHost() = default;
};

// Creates the meta-host. On failure *meta_host is null and the result negative.
HRESULT CLRCreateInstance(ICLRMetaHost** meta_host);

}  // namespace clr
