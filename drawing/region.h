#pragma once
// An area over a GDI+ Region.
#include "drawing/object.h"

namespace drawing {

class Matrix;

class Region : public Handled<GpRegion> {
 public:
  Region() : Handled(DRAWING_RELEASE(GdipDeleteRegion)) {}

  bool delete_region() { return delete_native(); }                          // 7
  DRAWING_CREATE(create_region, GdipCreateRegion)                            // 8
  DRAWING_CREATE(create_region_rect, GdipCreateRegionRect)                   // 9
  DRAWING_CREATE(create_region_rect_i, GdipCreateRegionRectI)                // 10
  DRAWING_CREATE(create_region_path, GdipCreateRegionPath)                   // 11
  DRAWING_CREATE(create_region_hrgn, GdipCreateRegionHrgn)                   // 12
  DRAWING_CREATE(create_region_rgn_data, GdipCreateRegionRgnData)            // 13 (bytes)
  DRAWING_OP(clone_region, GdipCloneRegion)                                  // 14
  DRAWING_OP(set_infinite, GdipSetInfinite)                                  // 15
  DRAWING_OP(set_empty, GdipSetEmpty)                                        // 16
  DRAWING_OP(combine_region_rect, GdipCombineRegionRect)                     // 17
  DRAWING_OP(combine_region_rect_i, GdipCombineRegionRectI)                  // 18
  DRAWING_OP(combine_region_region, GdipCombineRegionRegion)                 // 19
  DRAWING_OP(combine_region_path, GdipCombineRegionPath)                     // 20
  DRAWING_OP(translate_region, GdipTranslateRegion)                          // 21
  DRAWING_OP(translate_region_i, GdipTranslateRegionI)                       // 22
  DRAWING_OP(transform_region, GdipTransformRegion)                          // 23
  DRAWING_GET(get_region_bounds, GdipGetRegionBounds)                        // 24 (graphics)
  DRAWING_GET(get_region_bounds_i, GdipGetRegionBoundsI)                     // 25
  DRAWING_GET(get_region_data_size, GdipGetRegionDataSize)                   // 26
  std::vector<BYTE> get_region_data() const;                                 // 27
  DRAWING_GET(get_region_hrgn, GdipGetRegionHRgn)                            // 28 (caller owns)
  DRAWING_GET_BOOL(is_empty_region, GdipIsEmptyRegion)                            // 29
  DRAWING_GET_BOOL(is_infinite_region, GdipIsInfiniteRegion)                      // 30
  DRAWING_GET_BOOL(is_equal_region, GdipIsEqualRegion)                            // 31
  DRAWING_GET_BOOL(is_visible_region_point, GdipIsVisibleRegionPoint)             // 32
  DRAWING_GET_BOOL(is_visible_region_point_i, GdipIsVisibleRegionPointI)          // 33
  DRAWING_GET_BOOL(is_visible_region_rect, GdipIsVisibleRegionRect)               // 34
  DRAWING_GET_BOOL(is_visible_region_rect_i, GdipIsVisibleRegionRectI)            // 35
  UINT get_region_scans_count(const Matrix& matrix) const;                   // 36
  std::vector<RectF> get_region_scans(const Matrix& matrix) const;           // 37
  std::vector<Rect> get_region_scans_i(const Matrix& matrix) const;          // 38
};

}  // namespace drawing
