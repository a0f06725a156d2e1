// Our runtime hosting interfaces (metahost_abi.h) against the system's
// declarations, where MinGW has them: IUnknown and ICLRRuntimeHost
// (<mscoree.h>) must be called with the same conventions, method for method.
// Their slot order is checked by calling through ours into an object of the
// system's class (tests/module/platform/windows/runtime_host_abi_test.cpp). MinGW
// has no metahost.h, so ICLRMetaHost and ICLRRuntimeInfo, and the
// CLRCreateInstance export, are checked against the convention COM and
// STDAPI prescribe (__stdcall) instead.

// Ours first: <windows.h> defines names of ours (S_OK, LoadLibrary) as
// macros.
#include "module/platform/windows/abi_checks.h"
#include "module/platform/windows/clr/metahost_abi.h"

namespace {

using platform::windows::IsStdcall;

#define STDCALL_METHOD(interface, method) \
  static_assert(IsStdcall(&mscoree::interface::method), #interface "::" #method " is __stdcall")

STDCALL_METHOD(ICLRRuntimeInfo, GetVersionString);
STDCALL_METHOD(ICLRRuntimeInfo, GetRuntimeDirectory);
STDCALL_METHOD(ICLRRuntimeInfo, IsLoaded);
STDCALL_METHOD(ICLRRuntimeInfo, LoadErrorString);
STDCALL_METHOD(ICLRRuntimeInfo, LoadLibrary);
STDCALL_METHOD(ICLRRuntimeInfo, GetProcAddress);
STDCALL_METHOD(ICLRRuntimeInfo, GetInterface);
STDCALL_METHOD(ICLRRuntimeInfo, IsLoadable);
STDCALL_METHOD(ICLRRuntimeInfo, SetDefaultStartupFlags);
STDCALL_METHOD(ICLRRuntimeInfo, GetDefaultStartupFlags);
STDCALL_METHOD(ICLRRuntimeInfo, BindAsLegacyV2Runtime);
STDCALL_METHOD(ICLRRuntimeInfo, IsStarted);
STDCALL_METHOD(ICLRMetaHost, GetRuntime);
STDCALL_METHOD(ICLRMetaHost, GetVersionFromFile);
STDCALL_METHOD(ICLRMetaHost, EnumerateInstalledRuntimes);
STDCALL_METHOD(ICLRMetaHost, EnumerateLoadedRuntimes);
STDCALL_METHOD(ICLRMetaHost, RequestRuntimeLoadedNotification);
STDCALL_METHOD(ICLRMetaHost, QueryLegacyV2RuntimeBinding);
STDCALL_METHOD(ICLRMetaHost, ExitProcess);
static_assert(IsStdcall(static_cast<mscoree::CLRCreateInstanceFn*>(nullptr)), "CLRCreateInstance is STDAPI");

}  // namespace

// clang-format off
#include <windows.h>
#include <mscoree.h>
// clang-format on

namespace {

using platform::windows::SameConvention;

#define SAME_METHOD_CONVENTION(interface, method) \
  static_assert(SameConvention(&mscoree::interface::method, &::interface::method), #interface "::" #method)

// QueryInterface is overloaded (a template for typed pointers); the one
// slot is picked by its type, which includes the convention.
static_assert(SameConvention(
    &mscoree::IUnknown::QueryInterface,
    static_cast<HRESULT (STDMETHODCALLTYPE ::IUnknown::*)(REFIID, void**)>(&::IUnknown::QueryInterface)));
SAME_METHOD_CONVENTION(IUnknown, AddRef);
SAME_METHOD_CONVENTION(IUnknown, Release);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, Start);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, Stop);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, SetHostControl);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, GetCLRControl);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, UnloadAppDomain);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, ExecuteInAppDomain);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, GetCurrentAppDomainId);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, ExecuteApplication);
SAME_METHOD_CONVENTION(ICLRRuntimeHost, ExecuteInDefaultAppDomain);
static_assert(SameConvention(FExecuteInAppDomainCallback{}, static_cast<HRESULT(__stdcall*)(void*)>(nullptr)));

}  // namespace
