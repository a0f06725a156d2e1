// Our hand-declared runtime hosting interfaces against the declarations of
// MinGW's mscoree.h: a call through our wrapper must land in the SDK's method
// of the same name, and our GUIDs must be the SDK's.

// Ours first: <windows.h> defines S_OK and friends as macros.
#include "module/platform/windows/clr/com_runtime.h"
// clang-format off
#include <initguid.h>
#include <mscoree.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The SDK's ICLRRuntimeHost, recording the name of every method called.
class SdkRuntimeHost final : public ::ICLRRuntimeHost {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return Called("QueryInterface"); }
  ULONG STDMETHODCALLTYPE AddRef() override { return Called("AddRef"), 2; }
  ULONG STDMETHODCALLTYPE Release() override { return Called("Release"), 0; }
  HRESULT STDMETHODCALLTYPE Start() override { return Called("Start"); }
  HRESULT STDMETHODCALLTYPE Stop() override { return Called("Stop"); }
  HRESULT STDMETHODCALLTYPE SetHostControl(IHostControl*) override { return Called("SetHostControl"); }
  HRESULT STDMETHODCALLTYPE GetCLRControl(ICLRControl**) override { return Called("GetCLRControl"); }
  HRESULT STDMETHODCALLTYPE UnloadAppDomain(DWORD, WINBOOL) override { return Called("UnloadAppDomain"); }
  HRESULT STDMETHODCALLTYPE ExecuteInAppDomain(DWORD, FExecuteInAppDomainCallback, void*) override {
    return Called("ExecuteInAppDomain");
  }
  HRESULT STDMETHODCALLTYPE GetCurrentAppDomainId(DWORD*) override { return Called("GetCurrentAppDomainId"); }
  HRESULT STDMETHODCALLTYPE ExecuteApplication(LPCWSTR, DWORD, LPCWSTR*, DWORD, LPCWSTR*, int*) override {
    return Called("ExecuteApplication");
  }
  HRESULT STDMETHODCALLTYPE ExecuteInDefaultAppDomain(LPCWSTR path, LPCWSTR type, LPCWSTR method, LPCWSTR argument,
                                                      DWORD* result) override {
    arguments = {Text(path), Text(type), Text(method), Text(argument)};
    *result = 42;
    return Called("ExecuteInDefaultAppDomain");
  }

  std::vector<std::string> calls;
  std::vector<std::u16string> arguments;

 private:
  HRESULT Called(const char* name) {
    calls.emplace_back(name);
    return S_OK;
  }
  static std::u16string Text(LPCWSTR text) { return reinterpret_cast<const char16_t*>(text); }
};

TEST(RuntimeHostAbi, EveryCallReachesTheSdkMethodOfItsName) {
  SdkRuntimeHost sdk;
  clr::ICLRRuntimeHost* host =
      clr::WrapRuntimeHost(reinterpret_cast<mscoree::ICLRRuntimeHost*>(static_cast<::ICLRRuntimeHost*>(&sdk)));

  host->Start();
  uint32_t result = 0;
  host->ExecuteInDefaultAppDomain(u"a\\b.dll", u"N.T", u"Command", u"start:1", &result);
  host->Stop();
  EXPECT_EQ(host->Release(), 0u);

  EXPECT_EQ(sdk.calls, (std::vector<std::string>{"Start", "ExecuteInDefaultAppDomain", "Stop", "Release"}));
  EXPECT_EQ(sdk.arguments, (std::vector<std::u16string>{u"a\\b.dll", u"N.T", u"Command", u"start:1"}));
  EXPECT_EQ(result, 42u);
}

bool Same(const mscoree::Guid& ours, const GUID& sdk) {
  static_assert(sizeof ours == sizeof sdk);
  return std::memcmp(&ours, &sdk, sizeof sdk) == 0;
}

TEST(RuntimeHostAbi, RuntimeHostGuidsAreTheSdkOnes) {
  EXPECT_TRUE(Same(mscoree::CLSID_CLRRuntimeHost, ::CLSID_CLRRuntimeHost));
  EXPECT_TRUE(Same(mscoree::IID_ICLRRuntimeHost, ::IID_ICLRRuntimeHost));
}

}  // namespace
