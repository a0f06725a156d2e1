// GDI+ runs for the whole test program, as the host process runs it for the
// plug-in; the process ends without shutting it down.

#include <gtest/gtest.h>

#include "module/platform/gdiplus.h"

namespace {

class GdiplusSession : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_EQ(gdiplus::Startup(&token_), gdiplus::Ok);
  }

 private:
  uintptr_t token_ = 0;
};

[[maybe_unused]] ::testing::Environment* const session = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

}  // namespace
