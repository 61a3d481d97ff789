#pragma once
// A drawing surface over a GDI+ Graphics.
#include "drawing/font.h"
#include "drawing/image.h"
#include "drawing/region.h"
#include "drawing/string_format.h"

namespace drawing {

class Brush;

class Graphics : public Handled<GpGraphics> {
 public:
  Graphics() : Handled(DRAWING_RELEASE(GdipDeleteGraphics)) {}

  bool delete_graphics() { return delete_native(); }                             // 8
  DRAWING_OP(flush, GdipFlush)                                                    // 9
  bool create_from_hwnd(HWND window, bool icm = false);                           // 10
  bool create_from_hdc(HDC dc, HANDLE device = nullptr);                          // 11
  DRAWING_CREATE(get_image_graphics_context, GdipGetImageGraphicsContext)         // 12 (of an Image)
  DRAWING_GET(get_dc, GdipGetDC)                                                  // 13
  DRAWING_OP(release_dc, GdipReleaseDC)                                           // 14
  DRAWING_OP(get_rendering_origin, GdipGetRenderingOrigin)                        // 15 (INT&, INT&)
  DRAWING_OP(set_rendering_origin, GdipSetRenderingOrigin)                        // 16
  DRAWING_GET(get_compositing_mode, GdipGetCompositingMode)                       // 17
  DRAWING_OP(set_compositing_mode, GdipSetCompositingMode)                        // 18
  DRAWING_GET(get_compositing_quality, GdipGetCompositingQuality)                 // 19
  DRAWING_OP(set_compositing_quality, GdipSetCompositingQuality)                  // 20
  DRAWING_OP(set_text_rendering_hint, GdipSetTextRenderingHint)                   // 21
  DRAWING_GET(get_text_rendering_hint, GdipGetTextRenderingHint)                  // 22
  DRAWING_OP(set_text_contrast, GdipSetTextContrast)                              // 23
  DRAWING_GET(get_text_contrast, GdipGetTextContrast)                             // 24
  DRAWING_OP(set_interpolation_mode, GdipSetInterpolationMode)                    // 25
  DRAWING_GET(get_interpolation_mode, GdipGetInterpolationMode)                   // 26
  DRAWING_OP(set_smoothing_mode, GdipSetSmoothingMode)                            // 27
  DRAWING_GET(get_smoothing_mode, GdipGetSmoothingMode)                           // 28
  DRAWING_OP(set_pixel_offset_mode, GdipSetPixelOffsetMode)                       // 29
  DRAWING_GET(get_pixel_offset_mode, GdipGetPixelOffsetMode)                      // 30
  DRAWING_OP(set_world_transform, GdipSetWorldTransform)                          // 31
  DRAWING_OP(get_world_transform, GdipGetWorldTransform)                          // 32 (into a Matrix)
  DRAWING_OP(reset_world_transform, GdipResetWorldTransform)                      // 33
  DRAWING_OP(multiply_world_transform, GdipMultiplyWorldTransform)                // 34
  DRAWING_OP(translate_world_transform, GdipTranslateWorldTransform)              // 35
  DRAWING_OP(scale_world_transform, GdipScaleWorldTransform)                      // 36
  DRAWING_SCALE_ABOUT(scale_world_transform, translate_world_transform)           // 37
  DRAWING_OP(rotate_world_transform, GdipRotateWorldTransform)                    // 38
  DRAWING_ROTATE_ABOUT(rotate_world_transform, translate_world_transform)         // 39
  DRAWING_OP(set_page_unit, GdipSetPageUnit)                                      // 40
  DRAWING_GET(get_page_unit, GdipGetPageUnit)                                     // 41
  DRAWING_OP(set_page_scale, GdipSetPageScale)                                    // 42
  DRAWING_GET(get_page_scale, GdipGetPageScale)                                   // 43
  DRAWING_GET(get_dpi_x, GdipGetDpiX)                                             // 44
  DRAWING_GET(get_dpi_y, GdipGetDpiY)                                             // 45
  DRAWING_OP(transform_points, GdipTransformPoints)                               // 46
  DRAWING_OP(transform_points_i, GdipTransformPointsI)                            // 47
  DRAWING_OP(get_nearest_color, GdipGetNearestColor)                              // 48 (ARGB&)
  // 49-79: the Draw family in flat-API order.
  DRAWING_OP(draw_line, GdipDrawLine)
  DRAWING_OP(draw_line_i, GdipDrawLineI)
  DRAWING_OP(draw_lines, GdipDrawLines)
  DRAWING_OP(draw_lines_i, GdipDrawLinesI)
  DRAWING_OP(draw_arc, GdipDrawArc)
  DRAWING_OP(draw_arc_i, GdipDrawArcI)
  DRAWING_OP(draw_bezier, GdipDrawBezier)
  DRAWING_OP(draw_bezier_i, GdipDrawBezierI)
  DRAWING_OP(draw_beziers, GdipDrawBeziers)
  DRAWING_OP(draw_beziers_i, GdipDrawBeziersI)
  DRAWING_OP(draw_rectangle, GdipDrawRectangle)
  DRAWING_OP(draw_rectangle_i, GdipDrawRectangleI)
  DRAWING_OP(draw_rectangles, GdipDrawRectangles)
  DRAWING_OP(draw_rectangles_i, GdipDrawRectanglesI)
  DRAWING_OP(draw_ellipse, GdipDrawEllipse)
  DRAWING_OP(draw_ellipse_i, GdipDrawEllipseI)
  DRAWING_OP(draw_pie, GdipDrawPie)
  DRAWING_OP(draw_pie_i, GdipDrawPieI)
  DRAWING_OP(draw_polygon, GdipDrawPolygon)
  DRAWING_OP(draw_polygon_i, GdipDrawPolygonI)
  DRAWING_OP(draw_path, GdipDrawPath)
  DRAWING_OP(draw_curve, GdipDrawCurve)
  DRAWING_OP(draw_curve_i, GdipDrawCurveI)
  DRAWING_OP(draw_curve2, GdipDrawCurve2)
  DRAWING_OP(draw_curve2_i, GdipDrawCurve2I)
  DRAWING_OP(draw_curve3, GdipDrawCurve3)
  DRAWING_OP(draw_curve3_i, GdipDrawCurve3I)
  DRAWING_OP(draw_closed_curve, GdipDrawClosedCurve)
  DRAWING_OP(draw_closed_curve_i, GdipDrawClosedCurveI)
  DRAWING_OP(draw_closed_curve2, GdipDrawClosedCurve2)
  DRAWING_OP(draw_closed_curve2_i, GdipDrawClosedCurve2I)
  DRAWING_OP(graphics_clear, GdipGraphicsClear)                                   // 80
  DRAWING_OP(fill_rectangle, GdipFillRectangle)                                   // 81 (brush, x, y, w, h)
  template <typename AnyBrush>                                                    // 82 (brush, RectF)
  bool fill_rectangle(const AnyBrush& brush, const RectF& rect) const {
    return fill_rectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
  }
  DRAWING_OP(fill_rectangle_i, GdipFillRectangleI)                                // 83
  DRAWING_OP(fill_rectangles, GdipFillRectangles)                                 // 84
  DRAWING_OP(fill_rectangles_i, GdipFillRectanglesI)                              // 85
  DRAWING_OP(fill_polygon, GdipFillPolygon)                                       // 86
  DRAWING_OP(fill_polygon_i, GdipFillPolygonI)                                    // 87
  DRAWING_OP(fill_ellipse, GdipFillEllipse)                                       // 88
  DRAWING_OP(fill_ellipse_i, GdipFillEllipseI)                                    // 89
  DRAWING_OP(fill_pie, GdipFillPie)                                               // 90
  DRAWING_OP(fill_pie_i, GdipFillPieI)                                            // 91
  DRAWING_OP(fill_path, GdipFillPath)                                             // 92
  DRAWING_OP(fill_closed_curve, GdipFillClosedCurve)                              // 93
  DRAWING_OP(fill_closed_curve_i, GdipFillClosedCurveI)                           // 94
  DRAWING_OP(fill_closed_curve2, GdipFillClosedCurve2)                            // 95
  DRAWING_OP(fill_closed_curve2_i, GdipFillClosedCurve2I)                         // 96
  DRAWING_OP(fill_region, GdipFillRegion)                                         // 97
  // 98-99: GBK text, font, layout rectangle (or origin), format (or nullptr), brush.
  DRAWING_OP(draw_string, GdipDrawString)
  template <typename Format, typename AnyBrush>
  bool draw_string(std::string_view text, const Font& font, const PointF& origin,
                   const Format& format, const AnyBrush& brush) const {
    return draw_string(text, font, RectF(origin.X, origin.Y, 0, 0), format, brush);
  }
  // 100-101: text, font, layout, format, then the bounds (RectF&) and two INT* counts (or
  // nullptr); or the bounds returned.
  DRAWING_OP(measure_string, GdipMeasureString)
  template <typename Format>
  RectF measure_string(std::string_view text, const Font& font, const RectF& layout,
                       const Format& format) const {
    RectF bounds;
    measure_string(text, font, layout, format, bounds, nullptr, nullptr);
    return bounds;
  }
  // 102-103: one new Region per measurable character range of the format.
  std::vector<Region> measure_character_ranges(std::string_view text, const Font& font,
                                               const RectF& layout,
                                               const StringFormat& format) const;
  std::vector<Region> measure_character_ranges(std::string_view text, const Font& font,
                                               REAL x, REAL y, REAL width, REAL height,
                                               const StringFormat& format) const;
  // 104-105: text, font, brush, glyph positions (a pointer, one per character), options, matrix;
  // or every glyph from one origin.
  DRAWING_OP(draw_driver_string, GdipDrawDriverString)
  template <typename AnyBrush>
  bool draw_driver_string(std::string_view text, const Font& font, const AnyBrush& brush,
                          const PointF& origin) const {
    return draw_driver_string(text, font, brush, &origin,
                              Gdiplus::DriverStringOptionsRealizedAdvance, nullptr);
  }
  DRAWING_OP(draw_image, GdipDrawImage)                                           // 106 (at a point)
  DRAWING_OP(draw_image_i, GdipDrawImageI)                                        // 107
  DRAWING_OP(draw_cached_bitmap, GdipDrawCachedBitmap)                            // 108
  // 109-110: the whole picture into a rectangle.
  bool draw_image(const Image& image, REAL x, REAL y, REAL width, REAL height,
                  Gdiplus::Unit source_unit = Gdiplus::UnitPixel) const;
  bool draw_image_i(const Image& image, INT x, INT y, INT width, INT height,
                    Gdiplus::Unit source_unit = Gdiplus::UnitPixel) const;
  DRAWING_OP(draw_image_points, GdipDrawImagePoints)                              // 111
  DRAWING_OP(draw_image_points_i, GdipDrawImagePointsI)                           // 112
  DRAWING_OP(draw_image_point_rect, GdipDrawImagePointRect)                       // 113
  DRAWING_OP(draw_image_point_rect_i, GdipDrawImagePointRectI)                    // 114
  DRAWING_OP(draw_image_rect_rect, GdipDrawImageRectRect)                         // 115
  DRAWING_OP(draw_image_rect_rect_i, GdipDrawImageRectRectI)                      // 116
  DRAWING_OP(draw_image_points_rect, GdipDrawImagePointsRect)                     // 117
  DRAWING_OP(draw_image_points_rect_i, GdipDrawImagePointsRectI)                  // 118
  // 119-130: the twelve EnumerateMetafile forms.
  DRAWING_OP(enumerate_metafile_dest_point, GdipEnumerateMetafileDestPoint)
  DRAWING_OP(enumerate_metafile_dest_point_i, GdipEnumerateMetafileDestPointI)
  DRAWING_OP(enumerate_metafile_dest_rect, GdipEnumerateMetafileDestRect)
  DRAWING_OP(enumerate_metafile_dest_rect_i, GdipEnumerateMetafileDestRectI)
  DRAWING_OP(enumerate_metafile_dest_points, GdipEnumerateMetafileDestPoints)
  DRAWING_OP(enumerate_metafile_dest_points_i, GdipEnumerateMetafileDestPointsI)
  DRAWING_OP(enumerate_metafile_src_rect_dest_point, GdipEnumerateMetafileSrcRectDestPoint)
  DRAWING_OP(enumerate_metafile_src_rect_dest_point_i, GdipEnumerateMetafileSrcRectDestPointI)
  DRAWING_OP(enumerate_metafile_src_rect_dest_rect, GdipEnumerateMetafileSrcRectDestRect)
  DRAWING_OP(enumerate_metafile_src_rect_dest_rect_i, GdipEnumerateMetafileSrcRectDestRectI)
  DRAWING_OP(enumerate_metafile_src_rect_dest_points, GdipEnumerateMetafileSrcRectDestPoints)
  DRAWING_OP(enumerate_metafile_src_rect_dest_points_i, GdipEnumerateMetafileSrcRectDestPointsI)
  DRAWING_OP(set_clip_graphics, GdipSetClipGraphics)                              // 131
  DRAWING_OP(set_clip_path, GdipSetClipPath)                                      // 132
  DRAWING_OP(set_clip_rect, GdipSetClipRect)                                      // 133
  DRAWING_OP(set_clip_rect_i, GdipSetClipRectI)                                   // 134
  DRAWING_OP(set_clip_region, GdipSetClipRegion)                                  // 135
  DRAWING_OP(set_clip_hrgn, GdipSetClipHrgn)                                      // 136
  DRAWING_OP(reset_clip, GdipResetClip)                                           // 137
  DRAWING_OP(translate_clip, GdipTranslateClip)                                   // 138
  DRAWING_OP(translate_clip_i, GdipTranslateClipI)                                // 139
  DRAWING_OP(get_clip, GdipGetClip)                                               // 140 (into a Region)
  DRAWING_GET(get_clip_bounds, GdipGetClipBounds)                                 // 141
  DRAWING_GET(get_clip_bounds_i, GdipGetClipBoundsI)                              // 142
  DRAWING_GET(get_visible_clip_bounds, GdipGetVisibleClipBounds)                  // 143
  DRAWING_GET(get_visible_clip_bounds_i, GdipGetVisibleClipBoundsI)               // 144
  DRAWING_GET_BOOL(is_clip_empty, GdipIsClipEmpty)                                     // 145
  DRAWING_GET_BOOL(is_visible_clip_empty, GdipIsVisibleClipEmpty)                      // 146
  DRAWING_GET_BOOL(is_visible_point, GdipIsVisiblePoint)                               // 147
  DRAWING_GET_BOOL(is_visible_point_i, GdipIsVisiblePointI)                            // 148
  DRAWING_GET_BOOL(is_visible_rect, GdipIsVisibleRect)                                 // 149
  DRAWING_GET_BOOL(is_visible_rect_i, GdipIsVisibleRectI)                              // 150
  DRAWING_GET(save_graphics, GdipSaveGraphics)                                    // 151
  DRAWING_OP(restore_graphics, GdipRestoreGraphics)                               // 152
  DRAWING_GET(begin_container, GdipBeginContainer)                                // 153
  DRAWING_GET(begin_container_i, GdipBeginContainerI)                             // 154
  DRAWING_GET(begin_container2, GdipBeginContainer2)                              // 155
  DRAWING_OP(end_container, GdipEndContainer)                                     // 156
  DRAWING_OP(comment, GdipComment)                                                // 157 (bytes)

 private:
  template <typename T, typename Fn>
  bool draw_whole_image(Fn draw_rect_rect, const Image& image, T x, T y, T width, T height,
                        Gdiplus::Unit source_unit) const {
    return detail::forward<1>(draw_rect_rect, std::tuple(handle()), image, x, y, width, height,
                              T(0), T(0), static_cast<T>(image.get_image_width()),
                              static_cast<T>(image.get_image_height()), source_unit, nullptr,
                              nullptr, nullptr) == Gdiplus::Ok;
  }
};

}  // namespace drawing
