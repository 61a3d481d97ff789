// Pictures in memory: loading from bytes, saving to bytes, frames and their delays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/drawing/canvas.h"

namespace drawing_test {
namespace {

TEST(PictureBytes, EmptyBufferLeavesNoHandleAndAFailureStatus) {
  drawing::Image image;
  EXPECT_FALSE(image.load_image_from_stream({}));
  EXPECT_EQ(image.native(), nullptr);
  EXPECT_NE(drawing::last_status, Gdiplus::Ok);

  drawing::Bitmap bitmap;
  EXPECT_FALSE(bitmap.create_bitmap_from_stream({}));
  EXPECT_EQ(bitmap.native(), nullptr);
  EXPECT_NE(drawing::last_status, Gdiplus::Ok);
}

TEST(PictureBytes, GarbageLeavesNoHandle) {
  const std::vector<BYTE> garbage(64, 0x5A);
  drawing::Image image;
  EXPECT_FALSE(image.load_image_from_stream(garbage));
  EXPECT_EQ(image.native(), nullptr);
  EXPECT_NE(drawing::last_status, Gdiplus::Ok);
}

TEST(PictureBytes, LoadedPictureDrawsAfterTheCallerReleasedItsBytes) {
  drawing::Image image;
  {
    std::vector<BYTE> bytes = png_of(6, 4, red);
    ASSERT_FALSE(bytes.empty());
    ASSERT_TRUE(image.load_image_from_stream(bytes));
    std::fill(bytes.begin(), bytes.end(), BYTE{0});
  }
  Canvas canvas(10, 10);
  ASSERT_TRUE(canvas.graphics.draw_image(image, 2.0f, 3.0f));
  EXPECT_TRUE(near_colour(canvas.pixel(4, 5), red));
  EXPECT_TRUE(near_colour(canvas.pixel(1, 1), white));
}

TEST(PictureBytes, BitmapFromBytesKeepsItsPixels) {
  std::vector<BYTE> bytes = png_of(3, 5, blue);
  drawing::Bitmap bitmap;
  ASSERT_TRUE(bitmap.create_bitmap_from_stream(bytes));
  bytes.clear();
  bytes.shrink_to_fit();
  EXPECT_TRUE(near_colour(bitmap.bitmap_get_pixel(2, 4), blue));
}

TEST(PictureBytes, PngSavedToBytesLoadsWithTheSameSize) {
  drawing::Image image;
  ASSERT_TRUE(image.load_image_from_stream(png_of(13, 7, green)));
  const std::vector<BYTE> saved = image.save_image_to_stream(drawing::png_encoder);
  ASSERT_FALSE(saved.empty());
  EXPECT_EQ(saved[1], 'P');  // the PNG signature
  drawing::Image again;
  ASSERT_TRUE(again.load_image_from_stream(saved));
  EXPECT_EQ(again.get_image_width(), 13u);
  EXPECT_EQ(again.get_image_height(), 7u);
}

TEST(PictureBytes, SavingDefaultsToThePicturesOwnFormat) {
  drawing::Image image;
  ASSERT_TRUE(image.load_image_from_stream(png_of(4, 4, green)));
  const std::vector<BYTE> saved = image.save_image_to_stream();
  ASSERT_GE(saved.size(), 8u);
  EXPECT_EQ(std::string(saved.begin() + 1, saved.begin() + 4), "PNG");
}

TEST(PictureBytes, UnreadableEncoderTextFailsWithoutWriting) {
  drawing::Image image;
  ASSERT_TRUE(image.load_image_from_stream(png_of(4, 4, green)));
  EXPECT_TRUE(image.save_image_to_stream("not a guid").empty());
  EXPECT_EQ(drawing::last_status, Gdiplus::InvalidParameter);
}

TEST(PictureFrames, AnimatedGifYieldsItsFramesAndDelays) {
  drawing::Image gif;
  ASSERT_TRUE(gif.load_image_from_stream(animated_gif({1, 3, 2}, {10, 25, 40})));
  EXPECT_EQ(gif.image_get_frame_count(drawing::frame_dimension_time), 3u);
  const std::vector<std::string> dimensions = gif.image_get_frame_dimensions_list();
  ASSERT_EQ(dimensions.size(), 1u);
  EXPECT_EQ(dimensions[0], drawing::frame_dimension_time);
  std::vector<INT32> delays;
  ASSERT_TRUE(gif.frame_delays(delays));
  EXPECT_EQ(delays, (std::vector<INT32>{10, 25, 40}));
}

TEST(PictureFrames, SelectingAFrameByTheTimeDimensionText) {
  drawing::Bitmap gif;
  ASSERT_TRUE(gif.create_bitmap_from_stream(animated_gif({1, 3}, {10, 10})));
  ASSERT_TRUE(gif.image_select_active_frame(drawing::frame_dimension_time, 1u));
  EXPECT_TRUE(near_colour(gif.bitmap_get_pixel(0, 0), blue));
  ASSERT_TRUE(gif.image_select_active_frame(drawing::frame_dimension_time, 0u));
  EXPECT_TRUE(near_colour(gif.bitmap_get_pixel(1, 1), red));
}

TEST(PictureFrames, PictureWithoutDelaysReportsNone) {
  drawing::Image image;
  ASSERT_TRUE(image.load_image_from_stream(png_of(2, 2, red)));
  std::vector<INT32> delays{7};
  EXPECT_FALSE(image.frame_delays(delays));
}

TEST(PictureFrames, BadDimensionTextIsRejected) {
  drawing::Image gif;
  ASSERT_TRUE(gif.load_image_from_stream(animated_gif({1, 3}, {10, 10})));
  EXPECT_FALSE(gif.image_select_active_frame("{not-a-guid}", 0u));
  EXPECT_EQ(drawing::last_status, Gdiplus::InvalidParameter);
}

TEST(PictureProperties, PaletteAndPropertyItemsTravelThroughTheProgramsRecords) {
  drawing::Image gif;
  ASSERT_TRUE(gif.load_image_from_stream(animated_gif({1}, {10})));
  const drawing::Palette palette = gif.get_image_palette();
  ASSERT_GE(palette.entries.size(), 4u);
  EXPECT_EQ(palette.entries[1] & 0xFFFFFF, red & 0xFFFFFF);
  const std::vector<PROPID> ids = gif.get_property_id_list();
  ASSERT_FALSE(ids.empty());
  for (PROPID id : ids) {
    drawing::PropertyRecord item;
    EXPECT_TRUE(gif.get_property_item(id, item)) << id;
    EXPECT_EQ(item.id, id);
    EXPECT_FALSE(item.value.empty()) << id;
  }
}

TEST(PictureTransforms, RotateFlipTurnsTheSize) {
  drawing::Bitmap bitmap;
  ASSERT_TRUE(bitmap.create_bitmap_from_scan0(9, 4));
  ASSERT_TRUE(bitmap.image_rotate_flip(Gdiplus::Rotate90FlipNone));
  EXPECT_EQ(bitmap.get_image_width(), 4u);
  EXPECT_EQ(bitmap.get_image_height(), 9u);
}

// The flat encoder parameter list: a count, then 28-byte records whose value pointers point
// into the same block.
TEST(EncoderParameters, FlatListIsUnpackedIntoRecords) {
  struct alignas(4) Flat {
    UINT32 count;
    BYTE records[2][28];
    LONG quality;
    BYTE depth[2];
  } flat{};
  flat.count = 2;
  const GUID quality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
  const ULONG one = 1, two = 2, long_type = Gdiplus::EncoderParameterValueTypeLong,
              byte_type = Gdiplus::EncoderParameterValueTypeByte;
  flat.quality = 85;
  flat.depth[0] = 8;
  flat.depth[1] = 24;
  const void* quality_values = &flat.quality;
  const void* depth_values = flat.depth;
  std::memcpy(flat.records[0], &quality, 16);
  std::memcpy(flat.records[0] + 16, &one, 4);
  std::memcpy(flat.records[0] + 20, &long_type, 4);
  std::memcpy(flat.records[0] + 24, &quality_values, 4);
  std::memcpy(flat.records[1] + 16, &two, 4);
  std::memcpy(flat.records[1] + 20, &byte_type, 4);
  std::memcpy(flat.records[1] + 24, &depth_values, 4);

  const auto records = drawing::unpack_encoder_parameters(reinterpret_cast<const BYTE*>(&flat));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].guid, "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}");
  EXPECT_EQ(records[0].value_count, 1u);
  EXPECT_EQ(records[0].value_type, long_type);
  EXPECT_EQ(records[0].values, (std::vector<BYTE>{85, 0, 0, 0}));
  EXPECT_EQ(records[1].values, (std::vector<BYTE>{8, 24}));
}

TEST(EncoderParameters, ListOfTheJpegEncoderOrAMissingEntryPoint) {
  drawing::Image image;
  ASSERT_TRUE(image.load_image_from_stream(png_of(4, 4, green)));
  const auto records =
      image.get_encoder_parameter_list("{557CF401-1A04-11D3-9A73-0000F81EF32E}");
  if (running_on_wine()) {
    // Wine exports GdipGetEncoderParameterList only as a stub that would raise an exception.
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(drawing::last_status, Gdiplus::NotImplemented);
  } else {
    EXPECT_FALSE(records.empty());
  }
}

}  // namespace
}  // namespace drawing_test
