// The test executable runs with GDI+ started, as the program runs its skin.
#include <windows.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

namespace {

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

[[maybe_unused]] auto* const environment =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
