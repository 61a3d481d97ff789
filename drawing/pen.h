#pragma once
// A pen over a GDI+ Pen.
#include "drawing/object.h"

namespace drawing {

class Pen : public Handled<GpPen> {
 public:
  Pen() : Handled(DRAWING_RELEASE(GdipDeletePen)) {}

  bool delete_pen() { return delete_native(); }                     // 7
  DRAWING_CREATE(create_pen1, GdipCreatePen1)                        // 8 (ARGB, width, unit)
  DRAWING_CREATE(create_pen2, GdipCreatePen2)                        // 9 (brush, width, unit)
  DRAWING_OP(clone_pen, GdipClonePen)                                // 10 (into another Pen)
  DRAWING_GET(get_pen_width, GdipGetPenWidth)                        // 11
  DRAWING_OP(set_pen_width, GdipSetPenWidth)                         // 12
  DRAWING_GET(get_pen_unit, GdipGetPenUnit)                          // 13
  DRAWING_OP(set_pen_unit, GdipSetPenUnit)                           // 14
  DRAWING_OP(set_pen_line_cap197819, GdipSetPenLineCap197819)        // 15 (start, end, dash)
  bool set_pen_line_cap197819(Gdiplus::LineCap both) const {         // 16 (one cap for both ends)
    return set_pen_line_cap197819(both, both, Gdiplus::DashCapFlat);
  }
  DRAWING_OP(set_pen_start_cap, GdipSetPenStartCap)                  // 17
  DRAWING_OP(set_pen_end_cap, GdipSetPenEndCap)                      // 18
  DRAWING_OP(set_pen_dash_cap197819, GdipSetPenDashCap197819)        // 19
  DRAWING_GET(get_pen_start_cap, GdipGetPenStartCap)                 // 20
  DRAWING_GET(get_pen_end_cap, GdipGetPenEndCap)                     // 21
  DRAWING_GET(get_pen_dash_cap197819, GdipGetPenDashCap197819)       // 22 (returns the cap)
  DRAWING_OP(get_pen_dash_cap197819, GdipGetPenDashCap197819)        // 23 (into a DashCap&)
  DRAWING_OP(set_pen_line_join, GdipSetPenLineJoin)                  // 24
  DRAWING_GET(get_pen_line_join, GdipGetPenLineJoin)                 // 25
  DRAWING_OP(set_pen_custom_start_cap, GdipSetPenCustomStartCap)     // 26
  DRAWING_OP(get_pen_custom_start_cap, GdipGetPenCustomStartCap)     // 27
  DRAWING_OP(set_pen_custom_end_cap, GdipSetPenCustomEndCap)         // 28
  DRAWING_OP(get_pen_custom_end_cap, GdipGetPenCustomEndCap)         // 29
  DRAWING_OP(set_pen_miter_limit, GdipSetPenMiterLimit)              // 30
  DRAWING_GET(get_pen_miter_limit, GdipGetPenMiterLimit)             // 31
  DRAWING_OP(set_pen_mode, GdipSetPenMode)                           // 32
  DRAWING_GET(get_pen_mode, GdipGetPenMode)                          // 33
  DRAWING_OP(set_pen_transform, GdipSetPenTransform)                 // 34
  DRAWING_OP(get_pen_transform, GdipGetPenTransform)                 // 35 (into a Matrix)
  DRAWING_OP(reset_pen_transform, GdipResetPenTransform)             // 36
  DRAWING_OP(multiply_pen_transform, GdipMultiplyPenTransform)       // 37
  DRAWING_OP(rotate_pen_transform, GdipRotatePenTransform)           // 38
  DRAWING_ROTATE_ABOUT(rotate_pen_transform, translate_pen_transform)  // 39
  DRAWING_OP(scale_pen_transform, GdipScalePenTransform)             // 40
  DRAWING_SCALE_ABOUT(scale_pen_transform, translate_pen_transform)  // 41
  DRAWING_OP(translate_pen_transform, GdipTranslatePenTransform)     // 42
  DRAWING_GET(get_pen_color, GdipGetPenColor)                        // 43
  DRAWING_OP(set_pen_color, GdipSetPenColor)                         // 44
  DRAWING_OP(set_pen_brush_fill, GdipSetPenBrushFill)                // 45
  DRAWING_OP(get_pen_brush_fill, GdipGetPenBrushFill)                // 46 (into a brush object)
  DRAWING_GET(get_pen_fill_type, GdipGetPenFillType)                 // 47
  DRAWING_OP(set_pen_dash_style, GdipSetPenDashStyle)                // 48
  DRAWING_GET(get_pen_dash_style, GdipGetPenDashStyle)               // 49
  DRAWING_GET(get_pen_dash_offset, GdipGetPenDashOffset)             // 50
  DRAWING_OP(set_pen_dash_offset, GdipSetPenDashOffset)              // 51
  DRAWING_LIST(get_pen_dash_array, REAL, GdipGetPenDashCount, GdipGetPenDashArray)  // 52
  DRAWING_OP(set_pen_dash_array, GdipSetPenDashArray)                // 53
  DRAWING_OP(set_pen_compound_array, GdipSetPenCompoundArray)        // 54
  DRAWING_LIST(get_pen_compound_array, REAL, GdipGetPenCompoundCount,  // 55
               GdipGetPenCompoundArray)
};

}  // namespace drawing
