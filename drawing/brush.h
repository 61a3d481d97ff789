#pragma once
// The brush slots shared by the four brush classes (8 DeleteBrush, 9 CloneBrush, 10 GetBrushType).
#include "drawing/object.h"

namespace drawing {

class Brush : public Handled<GpBrush> {
 public:
  bool delete_brush() { return delete_native(); }           // 8
  DRAWING_OP(clone_brush, GdipCloneBrush)                    // 9 (into another brush object)
  DRAWING_GET(get_brush_type, GdipGetBrushType)              // 10

 protected:
  Brush() : Handled(DRAWING_RELEASE(GdipDeleteBrush)) {}
};

}  // namespace drawing
