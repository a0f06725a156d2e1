#pragma once

// The COM interfaces of .NET runtime hosting, declared here because MinGW
// ships no metahost.h and no mscoree import library. Method order is the
// vtable order of metahost.idl and mscoree.idl; every slot is declared, used
// or not. x86-64 has one calling convention, so __stdcall is implied. Text is
// UTF-16, as LPCWSTR.

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
  virtual HRESULT QueryInterface(const Guid& iid, void** object) = 0;
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};

class ICLRRuntimeHost : public IUnknown {
 public:
  virtual HRESULT Start() = 0;
  virtual HRESULT Stop() = 0;
  virtual HRESULT SetHostControl(IUnknown* host_control) = 0;
  virtual HRESULT GetCLRControl(IUnknown** clr_control) = 0;
  virtual HRESULT UnloadAppDomain(DWORD app_domain_id, BOOL wait_until_done) = 0;
  virtual HRESULT ExecuteInAppDomain(DWORD app_domain_id, HRESULT (*callback)(void* cookie), void* cookie) = 0;
  virtual HRESULT GetCurrentAppDomainId(DWORD* app_domain_id) = 0;
  virtual HRESULT ExecuteApplication(const char16_t* app_full_name, DWORD manifest_paths_count,
                                     const char16_t** manifest_paths, DWORD activation_data_count,
                                     const char16_t** activation_data, int* return_value) = 0;
  virtual HRESULT ExecuteInDefaultAppDomain(const char16_t* assembly_path, const char16_t* type_name,
                                            const char16_t* method_name, const char16_t* argument,
                                            DWORD* return_value) = 0;

 protected:
  ~ICLRRuntimeHost() = default;
};

class ICLRRuntimeInfo : public IUnknown {
 public:
  virtual HRESULT GetVersionString(char16_t* buffer, DWORD* buffer_units) = 0;
  virtual HRESULT GetRuntimeDirectory(char16_t* buffer, DWORD* buffer_units) = 0;
  virtual HRESULT IsLoaded(void* process, BOOL* loaded) = 0;
  virtual HRESULT LoadErrorString(unsigned resource_id, char16_t* buffer, DWORD* buffer_units, int32_t locale) = 0;
  virtual HRESULT LoadLibrary(const char16_t* dll_name, void** module) = 0;
  virtual HRESULT GetProcAddress(const char* proc_name, void** proc) = 0;
  virtual HRESULT GetInterface(const Guid& clsid, const Guid& iid, void** object) = 0;
  virtual HRESULT IsLoadable(BOOL* loadable) = 0;
  virtual HRESULT SetDefaultStartupFlags(DWORD flags, const char16_t* host_config_file) = 0;
  virtual HRESULT GetDefaultStartupFlags(DWORD* flags, char16_t* host_config_file, DWORD* buffer_units) = 0;
  virtual HRESULT BindAsLegacyV2Runtime() = 0;
  virtual HRESULT IsStarted(BOOL* started, DWORD* startup_flags) = 0;

 protected:
  ~ICLRRuntimeInfo() = default;
};

class ICLRMetaHost : public IUnknown {
 public:
  virtual HRESULT GetRuntime(const char16_t* version, const Guid& iid, void** runtime) = 0;
  virtual HRESULT GetVersionFromFile(const char16_t* file_path, char16_t* buffer, DWORD* buffer_units) = 0;
  virtual HRESULT EnumerateInstalledRuntimes(IUnknown** enumerator) = 0;
  virtual HRESULT EnumerateLoadedRuntimes(void* process, IUnknown** enumerator) = 0;
  virtual HRESULT RequestRuntimeLoadedNotification(void (*callback)(ICLRRuntimeInfo*, void*, void*)) = 0;
  virtual HRESULT QueryLegacyV2RuntimeBinding(const Guid& iid, void** object) = 0;
  virtual HRESULT ExitProcess(int32_t exit_code) = 0;

 protected:
  ~ICLRMetaHost() = default;
};

// mscoree.dll's export.
using CLRCreateInstanceFn = HRESULT (*)(const Guid& clsid, const Guid& iid, void** object);

}  // namespace mscoree
