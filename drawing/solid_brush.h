#pragma once
// A single-colour brush over a GDI+ SolidFill.
#include "drawing/brush.h"

namespace drawing {

class SolidBrush : public Handled<GpSolidFill, Brush> {
 public:
  SolidBrush() = default;

  DRAWING_CREATE(create_solid_fill, GdipCreateSolidFill)          // 11 (ARGB)
  DRAWING_OP(set_solid_fill_color, GdipSetSolidFillColor)         // 12
  DRAWING_GET(get_solid_fill_color, GdipGetSolidFillColor)        // 13
};

}  // namespace drawing
