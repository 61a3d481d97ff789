// GDI+ is started once for the whole test executable, as the skin module does for the program.
#include <windows.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

namespace {

class GdiplusEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
