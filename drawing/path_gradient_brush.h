#pragma once
// A gradient from a centre colour to the colours around a path, over a GDI+ PathGradient.
#include "drawing/brush.h"

namespace drawing {

class PathGradientBrush : public Handled<GpPathGradient, Brush> {
 public:
  PathGradientBrush() = default;

  DRAWING_CREATE(create_path_gradient, GdipCreatePathGradient)                  // 11 (points, wrap)
  DRAWING_CREATE(create_path_gradient_i, GdipCreatePathGradientI)               // 12
  DRAWING_CREATE(create_path_gradient_from_path, GdipCreatePathGradientFromPath)  // 13
  DRAWING_GET(get_path_gradient_center_color, GdipGetPathGradientCenterColor)   // 14
  DRAWING_OP(set_path_gradient_center_color, GdipSetPathGradientCenterColor)    // 15
  DRAWING_GET(get_path_gradient_point_count, GdipGetPathGradientPointCount)     // 16
  DRAWING_GET(get_path_gradient_surround_color_count,                           // 17
              GdipGetPathGradientSurroundColorCount)
  DRAWING_OP(get_path_gradient_surround_colors_with_count,                      // 18 (into colours)
             GdipGetPathGradientSurroundColorsWithCount)
  DRAWING_OP(set_path_gradient_surround_colors_with_count,                      // 19 (colours)
             GdipSetPathGradientSurroundColorsWithCount)
  DRAWING_OP(get_path_gradient_path, GdipGetPathGradientPath)                   // 20 (into a path)
  DRAWING_OP(set_path_gradient_path, GdipSetPathGradientPath)                   // 21
  DRAWING_GET(get_path_gradient_center_point, GdipGetPathGradientCenterPoint)   // 22
  DRAWING_GET(get_path_gradient_center_point_i, GdipGetPathGradientCenterPointI)  // 23
  DRAWING_OP(set_path_gradient_center_point, GdipSetPathGradientCenterPoint)    // 24 (PointF)
  bool set_path_gradient_center_point(REAL x, REAL y) const {                   // 25
    return set_path_gradient_center_point(PointF(x, y));
  }
  DRAWING_GET(get_path_gradient_rect, GdipGetPathGradientRect)                  // 26
  DRAWING_GET(get_path_gradient_rect_i, GdipGetPathGradientRectI)               // 27
  DRAWING_OP(set_path_gradient_gamma_correction, GdipSetPathGradientGammaCorrection)  // 28
  DRAWING_GET_BOOL(get_path_gradient_gamma_correction, GdipGetPathGradientGammaCorrection)  // 29
  DRAWING_GET(get_path_gradient_blend_count, GdipGetPathGradientBlendCount)     // 30
  DRAWING_OP(set_path_gradient_blend, GdipSetPathGradientBlend)                 // 31
  DRAWING_OP(get_path_gradient_blend, GdipGetPathGradientBlend)                 // 32
  DRAWING_GET(get_path_gradient_preset_blend_count, GdipGetPathGradientPresetBlendCount)  // 33
  DRAWING_OP(set_path_gradient_preset_blend, GdipSetPathGradientPresetBlend)    // 34
  DRAWING_OP(get_path_gradient_preset_blend, GdipGetPathGradientPresetBlend)    // 35
  DRAWING_OP(set_path_gradient_sigma_blend, GdipSetPathGradientSigmaBlend)      // 36
  DRAWING_OP(set_path_gradient_linear_blend, GdipSetPathGradientLinearBlend)    // 37
  DRAWING_OP(get_path_gradient_focus_scales, GdipGetPathGradientFocusScales)    // 38
  DRAWING_OP(set_path_gradient_focus_scales, GdipSetPathGradientFocusScales)    // 39
  DRAWING_GET(get_path_gradient_wrap_mode, GdipGetPathGradientWrapMode)         // 40
  DRAWING_OP(set_path_gradient_wrap_mode, GdipSetPathGradientWrapMode)          // 41
  DRAWING_OP(get_path_gradient_transform, GdipGetPathGradientTransform)         // 42
  DRAWING_OP(set_path_gradient_transform, GdipSetPathGradientTransform)         // 43
  DRAWING_OP(reset_path_gradient_transform, GdipResetPathGradientTransform)     // 44
  DRAWING_OP(multiply_path_gradient_transform, GdipMultiplyPathGradientTransform)  // 45
  DRAWING_OP(translate_path_gradient_transform, GdipTranslatePathGradientTransform)  // 46
  DRAWING_OP(scale_path_gradient_transform, GdipScalePathGradientTransform)     // 47
  DRAWING_SCALE_ABOUT(scale_path_gradient_transform, translate_path_gradient_transform)  // 48
  DRAWING_OP(rotate_path_gradient_transform, GdipRotatePathGradientTransform)   // 49
  DRAWING_ROTATE_ABOUT(rotate_path_gradient_transform, translate_path_gradient_transform)  // 50
};

}  // namespace drawing
