#include "skin/core/colour.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "tests/skin/pictures.h"

namespace {

using skin::average_colour;
using skin::PictureSource;
using skin_test::make_png;
using skin_test::solid_png;

TEST(Colour, ToArgbSwapsRedAndBlueAndSetsAlpha) {
  struct Case {
    COLORREF colour;
    int alpha;
    bool use_alpha;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {0x00DDCA22, 160, true, 0xA022CADD},
      {0x00FF0000, 0, false, 0xFF0000FF},
      {0x00FFFFFF, 150, true, 0x96FFFFFF},
      {0x00123456, 0, true, 0x00563412},
      {0x00123456, 0x1FF, true, 0xFF563412},  // only the low byte of the alpha counts
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::to_argb(c.colour, c.alpha, c.use_alpha), c.expected) << std::hex << c.colour;
  }
}

TEST(Colour, ToColorrefIsTheInverse) {
  int alpha = -1;
  EXPECT_EQ(skin::to_colorref(0xA022CADD, alpha), 0x00DDCA22u);
  EXPECT_EQ(alpha, 0xA0);
  EXPECT_EQ(skin::to_colorref(skin::to_argb(0x00010203, 7, true), alpha), 0x00010203u);
  EXPECT_EQ(alpha, 7);
}

TEST(AverageColour, OfASingleColourPictureIsThatColourWhateverItsSize) {
  for (const auto& [w, h] : {std::pair{1, 1}, std::pair{7, 3}, std::pair{250, 180}}) {
    const skin::Bytes png = solid_png(w, h, 0xFF3366CC);
    EXPECT_EQ(average_colour(PictureSource{png, {}}, 2000, 0, 0), 0xFFCC6633u) << w << "x" << h;
  }
}

TEST(AverageColour, IsTheSameOnEveryCallAndLiesBetweenTheColours) {
  const skin::Bytes png = make_png(64, 48, [](int x, int y) {
    return (x * 7 + y * 13) % 3 == 0 ? 0xFFFF0000u : 0xFF0000FFu;
  });
  const COLORREF first = average_colour({png, {}}, 2000, 0, 0);
  EXPECT_EQ(average_colour({png, {}}, 2000, 0, 0), first);
  EXPECT_EQ(first >> 24, 0xFFu);
  EXPECT_EQ(GetGValue(first), 0);
  EXPECT_GT(GetRValue(first), 40);
  EXPECT_GT(GetBValue(first), 40);
}

TEST(AverageColour, MarginsSampleOnlyTheRightAndBottomBands) {
  // Red in the last 11 columns and in the last 11 rows: a margin of m samples columns
  // W − m − 1 … W − 1.
  const skin::Bytes png = make_png(100, 80, [](int x, int y) {
    return x >= 89 || y >= 69 ? 0xFFFF0000u : 0xFF0000FFu;
  });
  EXPECT_EQ(average_colour({png, {}}, 500, 10, 0), 0xFF0000FFu);
  EXPECT_EQ(average_colour({png, {}}, 500, 0, 10), 0xFF0000FFu);
  EXPECT_NE(average_colour({png, {}}, 500, 0, 0), 0xFF0000FFu);
}

TEST(AverageColour, ReadsAFileWhenAPathIsGiven) {
  const skin::Bytes png = solid_png(10, 10, 0xFF102030);
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "yx", 0, path);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()),
                                              static_cast<std::streamsize>(png.size()));
  const skin::Bytes other = solid_png(4, 4, 0xFFFFFFFF);
  EXPECT_EQ(average_colour({other, path}, 100, 0, 0), 0xFF302010u);
  DeleteFileA(path);
}

TEST(AverageColour, OfAnUndecodablePictureIsBlack) {
  const skin::Bytes junk = {1, 2, 3, 4};
  EXPECT_EQ(average_colour({junk, {}}, 2000, 0, 0), 0xFF000000u);
  EXPECT_EQ(average_colour({}, 2000, 0, 0), 0xFF000000u);
  EXPECT_EQ(average_colour({solid_png(2, 2, 0xFFFFFFFF), {}}, 0, 0, 0), 0xFF000000u);
}

}  // namespace
