// How our runtime hosting hands out the runtime's interfaces when mscoree
// refuses: CLRCreateInstance, GetRuntime and GetRuntimeHost all go through
// HandOut. The plug-in tells "no runtime host" by the null reference alone,
// so a refusal must never leave anything else there; what the user then
// sees is ProductModule's test.

#include <gtest/gtest.h>

#include "module/platform/windows/clr/com_runtime.h"

namespace {

using clr::HRESULT;

// A runtime host handed out by a COM call that answers `status` and leaves
// `object` behind; counts the wrappers made.
struct HostHandOut {
  HRESULT Run(HRESULT status, void* object) {
    host = reinterpret_cast<clr::ICLRRuntimeHost*>(this);  // what the caller's variable held before
    return clr::HandOut<clr::ICLRRuntimeHost, mscoree::ICLRRuntimeHost>(
        &host,
        [&](void** out) {
          *out = object;
          return status;
        },
        [this](mscoree::ICLRRuntimeHost*) {
          ++wraps;
          return static_cast<clr::ICLRRuntimeHost*>(nullptr);
        });
  }
  clr::ICLRRuntimeHost* host = nullptr;
  int wraps = 0;
};

TEST(RuntimeHandOut, ARefusalLeavesNoReferenceAndPassesItsStatusOn) {
  int left_behind = 0;  // some runtimes write to the out argument even when they fail
  for (void* object : {static_cast<void*>(nullptr), static_cast<void*>(&left_behind)}) {
    HostHandOut hand_out;
    EXPECT_EQ(hand_out.Run(clr::CLR_E_SHIM_RUNTIME, object), clr::CLR_E_SHIM_RUNTIME);
    EXPECT_EQ(hand_out.host, nullptr);
    EXPECT_EQ(hand_out.wraps, 0);
  }
}

TEST(RuntimeHandOut, ASuccessWithoutAnObjectIsAFailureAndNoPlaceForOneIsRefused) {
  HostHandOut hand_out;
  EXPECT_EQ(hand_out.Run(clr::S_OK, nullptr), clr::E_POINTER);
  EXPECT_EQ(hand_out.host, nullptr);
  EXPECT_EQ(hand_out.wraps, 0);

  EXPECT_EQ(clr::CLRCreateInstance(nullptr), clr::E_POINTER);
}

}  // namespace
