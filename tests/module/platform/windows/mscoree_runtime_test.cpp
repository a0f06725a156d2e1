// Runtime hosting through the system's mscoree.dll. Under Wine without a .NET
// runtime (Mono), the v4 runtime is known but its host cannot be had.

#include <gtest/gtest.h>

#include "module/platform/clr_hosting.h"

namespace {

TEST(MscoreeRuntime, FindsTheV4RuntimeButNoRuntimeHostWithoutDotNet) {
  clr::ICLRMetaHost* meta_host = nullptr;
  ASSERT_GE(clr::CLRCreateInstance(&meta_host), 0);
  ASSERT_TRUE(meta_host);

  clr::ICLRRuntimeInfo* info = nullptr;
  ASSERT_GE(meta_host->GetRuntime(u"v4.0.30319", &info), 0);
  ASSERT_TRUE(info);

  clr::ICLRRuntimeHost* host = nullptr;
  const clr::HRESULT status = info->GetRuntimeHost(&host);
  if (status >= 0 && host) {
    host->Release();
    GTEST_SKIP() << "a .NET runtime is installed in this prefix";
  }
  EXPECT_EQ(status, clr::CLR_E_SHIM_RUNTIME);
  EXPECT_EQ(host, nullptr) << "a failed call hands out no reference";

  info->Release();
  meta_host->Release();
}

TEST(MscoreeRuntime, RefusesUnknownVersionsAndMissingOutArguments) {
  EXPECT_EQ(clr::CLRCreateInstance(nullptr), clr::E_POINTER);

  clr::ICLRMetaHost* meta_host = nullptr;
  ASSERT_GE(clr::CLRCreateInstance(&meta_host), 0);
  clr::ICLRRuntimeInfo* info = nullptr;
  EXPECT_LT(meta_host->GetRuntime(u"v9.9.99999", &info), 0);
  EXPECT_EQ(info, nullptr);
  EXPECT_EQ(meta_host->GetRuntime(u"v4.0.30319", nullptr), clr::E_POINTER);
  meta_host->Release();
}

}  // namespace
