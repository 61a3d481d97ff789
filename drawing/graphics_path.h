#pragma once
// Lines and curves over a GDI+ GraphicsPath.
#include "drawing/object.h"

namespace drawing {

class GraphicsPath : public Handled<GpPath> {
 public:
  GraphicsPath() : Handled(DRAWING_RELEASE(GdipDeletePath)) {}

  bool delete_path() { return delete_native(); }                                // 7
  DRAWING_CREATE(create_path, GdipCreatePath)                                    // 8 (fill mode)
  DRAWING_CREATE(create_path2, GdipCreatePath2)                                  // 9 (points, types, mode)
  DRAWING_CREATE(create_path2_i, GdipCreatePath2I)                               // 10
  DRAWING_OP(clone_path, GdipClonePath)                                          // 11 (into a path)
  DRAWING_OP(reset_path, GdipResetPath)                                          // 12
  DRAWING_GET(get_path_fill_mode, GdipGetPathFillMode)                           // 13
  DRAWING_OP(set_path_fill_mode, GdipSetPathFillMode)                            // 14
  bool get_path_data(std::vector<PointF>& points, std::vector<BYTE>& types) const;  // 15
  DRAWING_LIST(get_path_types, BYTE, GdipGetPointCount, GdipGetPathTypes)        // 16
  DRAWING_LIST(get_path_points, PointF, GdipGetPointCount, GdipGetPathPoints)    // 17
  DRAWING_LIST(get_path_points_i, Point, GdipGetPointCount, GdipGetPathPointsI)  // 18
  DRAWING_OP(start_path_figure, GdipStartPathFigure)                             // 19
  DRAWING_OP(close_path_figure, GdipClosePathFigure)                             // 20
  DRAWING_OP(close_path_figures, GdipClosePathFigures)                           // 21
  DRAWING_OP(set_path_marker, GdipSetPathMarker)                                 // 22
  DRAWING_OP(clear_path_markers, GdipClearPathMarkers)                           // 23
  DRAWING_OP(reverse_path, GdipReversePath)                                      // 24
  DRAWING_GET(get_path_last_point, GdipGetPathLastPoint)                         // 25
  DRAWING_OP(add_path_line, GdipAddPathLine)                                     // 26
  DRAWING_OP(add_path_line_i, GdipAddPathLineI)                                  // 27
  DRAWING_OP(add_path_line2, GdipAddPathLine2)                                   // 28 (points)
  DRAWING_OP(add_path_line2_i, GdipAddPathLine2I)                                // 29
  DRAWING_OP(add_path_arc, GdipAddPathArc)                                       // 30
  DRAWING_OP(add_path_arc_i, GdipAddPathArcI)                                    // 31
  DRAWING_OP(add_path_bezier, GdipAddPathBezier)                                 // 32
  DRAWING_OP(add_path_bezier_i, GdipAddPathBezierI)                              // 33
  DRAWING_OP(add_path_beziers, GdipAddPathBeziers)                               // 34
  DRAWING_OP(add_path_beziers_i, GdipAddPathBeziersI)                            // 35
  DRAWING_OP(add_path_curve, GdipAddPathCurve)                                   // 36
  DRAWING_OP(add_path_curve_i, GdipAddPathCurveI)                                // 37
  DRAWING_OP(add_path_curve2, GdipAddPathCurve2)                                 // 38
  DRAWING_OP(add_path_curve2_i, GdipAddPathCurve2I)                              // 39
  DRAWING_OP(add_path_curve3, GdipAddPathCurve3)                                 // 40
  DRAWING_OP(add_path_curve3_i, GdipAddPathCurve3I)                              // 41
  DRAWING_OP(add_path_closed_curve, GdipAddPathClosedCurve)                      // 42
  DRAWING_OP(add_path_closed_curve_i, GdipAddPathClosedCurveI)                   // 43
  DRAWING_OP(add_path_closed_curve2, GdipAddPathClosedCurve2)                    // 44
  DRAWING_OP(add_path_closed_curve2_i, GdipAddPathClosedCurve2I)                 // 45
  DRAWING_OP(add_path_rectangle, GdipAddPathRectangle)                           // 46
  // 47: a rectangle with rounded corners, each corner box `percent` (1..100) of the size.
  bool add_path_rounded_rectangle(REAL x, REAL y, REAL width, REAL height, INT percent) const;
  DRAWING_OP(add_path_rectangles, GdipAddPathRectangles)                         // 48
  DRAWING_OP(add_path_rectangle_i, GdipAddPathRectangleI)                        // 49
  DRAWING_OP(add_path_rectangles_i, GdipAddPathRectanglesI)                      // 50
  DRAWING_OP(add_path_ellipse, GdipAddPathEllipse)                               // 51
  DRAWING_OP(add_path_ellipse_i, GdipAddPathEllipseI)                            // 52
  DRAWING_OP(add_path_pie, GdipAddPathPie)                                       // 53
  DRAWING_OP(add_path_pie_i, GdipAddPathPieI)                                    // 54
  DRAWING_OP(add_path_polygon, GdipAddPathPolygon)                               // 55
  DRAWING_OP(add_path_polygon_i, GdipAddPathPolygonI)                            // 56
  DRAWING_OP(add_path_path, GdipAddPathPath)                                     // 57
  // 58-61: text, family, style, size, layout rectangle (or origin), format.
  DRAWING_OP(add_path_string, GdipAddPathString)
  template <typename Family, typename Format>
  bool add_path_string(std::string_view text, const Family& family, INT style, REAL size,
                       const PointF& origin, const Format& format) const {
    return add_path_string(text, family, style, size, RectF(origin.X, origin.Y, 0, 0), format);
  }
  DRAWING_OP(add_path_string_i, GdipAddPathStringI)
  template <typename Family, typename Format>
  bool add_path_string_i(std::string_view text, const Family& family, INT style, REAL size,
                         const Point& origin, const Format& format) const {
    return add_path_string_i(text, family, style, size, Rect(origin.X, origin.Y, 0, 0), format);
  }
  DRAWING_OP(transform_path, GdipTransformPath)                                  // 62
  DRAWING_OP(get_path_world_bounds, GdipGetPathWorldBounds)                      // 63 (RectF&, matrix, pen)
  DRAWING_OP(get_path_world_bounds_i, GdipGetPathWorldBoundsI)                   // 64
  DRAWING_OP(flatten_path, GdipFlattenPath)                                      // 65
  DRAWING_OP(widen_path, GdipWidenPath)                                          // 66
  DRAWING_OP(winding_mode_outline, GdipWindingModeOutline)                       // 67
  DRAWING_OP(warp_path, GdipWarpPath)                                            // 68
  DRAWING_GET(get_point_count, GdipGetPointCount)                                // 69
  DRAWING_GET_BOOL(is_visible_path_point, GdipIsVisiblePathPoint)                     // 70
  DRAWING_GET_BOOL(is_visible_path_point_i, GdipIsVisiblePathPointI)                  // 71
  DRAWING_GET_BOOL(is_outline_visible_path_point, GdipIsOutlineVisiblePathPoint)      // 72
  DRAWING_GET_BOOL(is_outline_visible_path_point_i, GdipIsOutlineVisiblePathPointI)   // 73
};

}  // namespace drawing
