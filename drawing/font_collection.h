#pragma once
// A set of font families over a GDI+ FontCollection. It does not own the collection: the
// installed collection belongs to GDI+ (a handle is set through set_native).
#include "drawing/font_family.h"

namespace drawing {

class FontCollection : public Handled<GpFontCollection> {
 public:
  FontCollection() : Handled(nullptr) {}

  DRAWING_GET(get_font_collection_family_count, GdipGetFontCollectionFamilyCount)  // 8
  std::vector<FontFamily> get_font_collection_family_list() const;                 // 9
};

}  // namespace drawing
