#pragma once
// A two-colour gradient along a line over a GDI+ LineGradient.
#include "drawing/brush.h"

namespace drawing {

class LinearGradientBrush : public Handled<GpLineGradient, Brush> {
 public:
  LinearGradientBrush() = default;

  // 11-16, each float then integer; the wrap mode is explicit, or WrapModeTile when left out.
  DRAWING_CREATE(create_line_brush, GdipCreateLineBrush)
  bool create_line_brush(const PointF& from, const PointF& to, ARGB from_colour, ARGB to_colour) {
    return create_line_brush(from, to, from_colour, to_colour, Gdiplus::WrapModeTile);
  }
  DRAWING_CREATE(create_line_brush_i, GdipCreateLineBrushI)
  DRAWING_CREATE(create_line_brush_from_rect, GdipCreateLineBrushFromRect)
  DRAWING_CREATE(create_line_brush_from_rect_i, GdipCreateLineBrushFromRectI)
  DRAWING_CREATE(create_line_brush_from_rect_with_angle, GdipCreateLineBrushFromRectWithAngle)
  DRAWING_CREATE(create_line_brush_from_rect_with_angle_i, GdipCreateLineBrushFromRectWithAngleI)
  DRAWING_OP(get_line_colors, GdipGetLineColors)                        // 17 (into 2 ARGBs)
  DRAWING_OP(set_line_colors, GdipSetLineColors)                        // 18
  DRAWING_GET(get_line_rect, GdipGetLineRect)                           // 19
  DRAWING_GET(get_line_rect_i, GdipGetLineRectI)                        // 20
  DRAWING_OP(set_line_gamma_correction, GdipSetLineGammaCorrection)     // 21
  DRAWING_GET_BOOL(get_line_gamma_correction, GdipGetLineGammaCorrection)    // 22
  DRAWING_OP(set_line_blend, GdipSetLineBlend)                          // 23 (factors, positions)
  DRAWING_GET(get_line_blend_count, GdipGetLineBlendCount)              // 24
  DRAWING_OP(get_line_blend, GdipGetLineBlend)                          // 25
  DRAWING_OP(set_line_preset_blend, GdipSetLinePresetBlend)             // 26 (colours, positions)
  DRAWING_GET(get_line_preset_blend_count, GdipGetLinePresetBlendCount)  // 27
  DRAWING_OP(get_line_preset_blend, GdipGetLinePresetBlend)             // 28
  DRAWING_OP(set_line_sigma_blend, GdipSetLineSigmaBlend)               // 29
  DRAWING_OP(set_line_linear_blend, GdipSetLineLinearBlend)             // 30
  DRAWING_GET(get_line_wrap_mode, GdipGetLineWrapMode)                  // 31
  DRAWING_OP(set_line_wrap_mode, GdipSetLineWrapMode)                   // 32
  DRAWING_OP(get_line_transform, GdipGetLineTransform)                  // 33 (into a Matrix)
  DRAWING_OP(set_line_transform, GdipSetLineTransform)                  // 34
  DRAWING_OP(reset_line_transform, GdipResetLineTransform)              // 35
  DRAWING_OP(multiply_line_transform, GdipMultiplyLineTransform)        // 36
  DRAWING_OP(translate_line_transform, GdipTranslateLineTransform)      // 37
  DRAWING_OP(scale_line_transform, GdipScaleLineTransform)              // 38
  DRAWING_SCALE_ABOUT(scale_line_transform, translate_line_transform)   // 39
  DRAWING_OP(rotate_line_transform, GdipRotateLineTransform)            // 40
  DRAWING_ROTATE_ABOUT(rotate_line_transform, translate_line_transform)  // 41
};

}  // namespace drawing
