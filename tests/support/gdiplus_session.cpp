// GDI+ runs for the whole test program, as the host process runs it for the
// plug-in; the process ends without shutting it down.

#include <gtest/gtest.h>

#include "platform/gdiplus_flat.h"

namespace {

class GdiplusSession : public ::testing::Environment {
 public:
  void SetUp() override {
    const GdiplusStartupInput input{1, nullptr, 0, 0};
    ASSERT_EQ(GdiplusStartup(&token_, &input, nullptr), 0);
  }

 private:
  uintptr_t token_ = 0;
};

[[maybe_unused]] ::testing::Environment* const session = ::testing::AddGlobalTestEnvironment(new GdiplusSession);

}  // namespace
