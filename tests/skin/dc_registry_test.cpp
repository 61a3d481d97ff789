#include "skin/core/dc_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

class DcRegistry : public ::testing::Test {
 protected:
  void SetUp() override { skin::dc_registry().clear(); }
  void TearDown() override { skin::dc_registry().clear(); }
};

struct Snapshot {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, nullptr);
  HGDIOBJ replaced = SelectObject(dc, bitmap);
};

TEST_F(DcRegistry, ReleaseRestoresTheReplacedObjectAndDeletesBitmapAndDc) {
  const Snapshot s;
  skin::register_dc(s.dc, s.bitmap, s.replaced);
  EXPECT_EQ(skin::release_dc(s.dc), 1);
  EXPECT_EQ(GetObjectType(s.dc), 0u);
  EXPECT_EQ(GetObjectType(s.bitmap), 0u);
  EXPECT_EQ(GetObjectType(s.replaced), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_TRUE(skin::dc_registry().empty());
  EXPECT_EQ(skin::release_dc(s.dc), 0);
}

TEST_F(DcRegistry, RegisteringAgainOverwritesTheEntry) {
  Snapshot s;
  skin::register_dc(s.dc, s.bitmap, s.replaced);
  // A second bitmap selected over the first: its release must give back the first.
  const HBITMAP second = CreateBitmap(8, 8, 1, 32, nullptr);
  const HGDIOBJ first = SelectObject(s.dc, second);
  skin::register_dc(s.dc, second, first);
  ASSERT_EQ(skin::dc_registry().size(), 1u);
  EXPECT_EQ(skin::dc_registry()[0].picture, second);
  EXPECT_EQ(skin::release_dc(s.dc), 1);
  EXPECT_EQ(GetObjectType(second), 0u);
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
  DeleteObject(first);
}

TEST_F(DcRegistry, ReleasingAnUnregisteredDcDeletesNothing) {
  const Snapshot registered;
  skin::register_dc(registered.dc, registered.bitmap, registered.replaced);
  const Snapshot other;
  EXPECT_EQ(skin::release_dc(other.dc), 0);
  EXPECT_EQ(skin::release_dc(nullptr), 0);
  EXPECT_EQ(GetObjectType(other.dc), static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(GetCurrentObject(other.dc, OBJ_BITMAP), other.bitmap);
  EXPECT_EQ(skin::dc_registry().size(), 1u);
  DeleteObject(SelectObject(other.dc, other.replaced));
  DeleteDC(other.dc);
  EXPECT_EQ(skin::release_dc(registered.dc), 1);
}

}  // namespace
