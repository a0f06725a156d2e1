#pragma once

// The COM interfaces of .NET runtime hosting, declared here because MinGW
// ships no metahost.h and no mscoree import library. Method order is the
// vtable order of metahost.idl and mscoree.idl; every slot is declared, used
// or not. Every method, callback and export is __stdcall (STDMETHODCALLTYPE,
// STDAPI), which matters on 32-bit Windows. Text is UTF-16, as LPCWSTR.

#include <cstdint>

namespace mscoree {

using HRESULT = int32_t;
using ULONG = uint32_t;
using DWORD = uint32_t;
using BOOL = int32_t;

struct Guid {
  uint32_t data1;
  uint16_t data2;
  uint16_t data3;
  uint8_t data4[8];
};

inline constexpr Guid CLSID_CLRMetaHost{0x9280188d, 0x0e8e, 0x4867, {0xb3, 0x0c, 0x7f, 0xa8, 0x38, 0x84, 0xe8, 0xde}};
inline constexpr Guid IID_ICLRMetaHost{0xd332db9e, 0xb9b3, 0x4125, {0x82, 0x07, 0xa1, 0x48, 0x84, 0xf5, 0x32, 0x16}};
inline constexpr Guid IID_ICLRRuntimeInfo{0xbd39d1d2, 0xba2f, 0x486a, {0x89, 0xb0, 0xb4, 0xb0, 0xcb, 0x46, 0x68, 0x91}};
inline constexpr Guid CLSID_CLRRuntimeHost{0x90f1a06e, 0x7712, 0x4762, {0x86, 0xb5, 0x7a, 0x5e, 0xba, 0x6b, 0xdb, 0x02}};
inline constexpr Guid IID_ICLRRuntimeHost{0x90f1a06c, 0x7712, 0x4762, {0x86, 0xb5, 0x7a, 0x5e, 0xba, 0x6b, 0xdb, 0x02}};

class IUnknown {
 public:
  virtual HRESULT __stdcall QueryInterface(const Guid& iid, void** object) = 0;
  virtual ULONG __stdcall AddRef() = 0;
  virtual ULONG __stdcall Release() = 0;

 protected:
  ~IUnknown() = default;
};

class ICLRRuntimeHost : public IUnknown {
 public:
  virtual HRESULT __stdcall Start() = 0;
  virtual HRESULT __stdcall Stop() = 0;
  virtual HRESULT __stdcall SetHostControl(IUnknown* host_control) = 0;
  virtual HRESULT __stdcall GetCLRControl(IUnknown** clr_control) = 0;
  virtual HRESULT __stdcall UnloadAppDomain(DWORD app_domain_id, BOOL wait_until_done) = 0;
  virtual HRESULT __stdcall ExecuteInAppDomain(DWORD app_domain_id, HRESULT(__stdcall* callback)(void* cookie),
                                               void* cookie) = 0;
  virtual HRESULT __stdcall GetCurrentAppDomainId(DWORD* app_domain_id) = 0;
  virtual HRESULT __stdcall ExecuteApplication(const char16_t* app_full_name, DWORD manifest_paths_count,
                                               const char16_t** manifest_paths, DWORD activation_data_count,
                                               const char16_t** activation_data, int* return_value) = 0;
  virtual HRESULT __stdcall ExecuteInDefaultAppDomain(const char16_t* assembly_path, const char16_t* type_name,
                                                      const char16_t* method_name, const char16_t* argument,
                                                      DWORD* return_value) = 0;

 protected:
  ~ICLRRuntimeHost() = default;
};

class ICLRRuntimeInfo : public IUnknown {
 public:
  virtual HRESULT __stdcall GetVersionString(char16_t* buffer, DWORD* buffer_units) = 0;
  virtual HRESULT __stdcall GetRuntimeDirectory(char16_t* buffer, DWORD* buffer_units) = 0;
  virtual HRESULT __stdcall IsLoaded(void* process, BOOL* loaded) = 0;
  virtual HRESULT __stdcall LoadErrorString(unsigned resource_id, char16_t* buffer, DWORD* buffer_units,
                                            int32_t locale) = 0;
  virtual HRESULT __stdcall LoadLibrary(const char16_t* dll_name, void** module) = 0;
  virtual HRESULT __stdcall GetProcAddress(const char* proc_name, void** proc) = 0;
  virtual HRESULT __stdcall GetInterface(const Guid& clsid, const Guid& iid, void** object) = 0;
  virtual HRESULT __stdcall IsLoadable(BOOL* loadable) = 0;
  virtual HRESULT __stdcall SetDefaultStartupFlags(DWORD flags, const char16_t* host_config_file) = 0;
  virtual HRESULT __stdcall GetDefaultStartupFlags(DWORD* flags, char16_t* host_config_file, DWORD* buffer_units) = 0;
  virtual HRESULT __stdcall BindAsLegacyV2Runtime() = 0;
  virtual HRESULT __stdcall IsStarted(BOOL* started, DWORD* startup_flags) = 0;

 protected:
  ~ICLRRuntimeInfo() = default;
};

class ICLRMetaHost : public IUnknown {
 public:
  virtual HRESULT __stdcall GetRuntime(const char16_t* version, const Guid& iid, void** runtime) = 0;
  virtual HRESULT __stdcall GetVersionFromFile(const char16_t* file_path, char16_t* buffer, DWORD* buffer_units) = 0;
  virtual HRESULT __stdcall EnumerateInstalledRuntimes(IUnknown** enumerator) = 0;
  virtual HRESULT __stdcall EnumerateLoadedRuntimes(void* process, IUnknown** enumerator) = 0;
  virtual HRESULT __stdcall RequestRuntimeLoadedNotification(void(__stdcall* callback)(ICLRRuntimeInfo*, void*,
                                                                                       void*)) = 0;
  virtual HRESULT __stdcall QueryLegacyV2RuntimeBinding(const Guid& iid, void** object) = 0;
  virtual HRESULT __stdcall ExitProcess(int32_t exit_code) = 0;

 protected:
  ~ICLRMetaHost() = default;
};

// mscoree.dll's export.
using CLRCreateInstanceFn = HRESULT __stdcall(const Guid& clsid, const Guid& iid, void** object);

}  // namespace mscoree
