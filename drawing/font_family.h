#pragma once
// A typeface over a GDI+ FontFamily.
//
// A name the system lacks does not leave text undrawn: creating from it falls back to the
// generic sans-serif family, or else to any installed family, and last_status still reports the
// miss (FontFamilyNotFound).
#include "drawing/object.h"

namespace drawing {

class FontCollection;

class FontFamily : public Handled<GpFontFamily> {
 public:
  FontFamily() : Handled(DRAWING_RELEASE(GdipDeleteFontFamily)) {}

  bool delete_font_family() { return delete_native(); }                            // 7
  bool create_font_family_from_name(std::string_view name);                        // 8
  bool create_font_family_from_name(std::string_view name,                         // 9
                                    const FontCollection* collection);
  DRAWING_CREATE(get_generic_font_family_sans_serif, GdipGetGenericFontFamilySansSerif)  // 10
  DRAWING_CREATE(get_generic_font_family_serif, GdipGetGenericFontFamilySerif)     // 11
  DRAWING_CREATE(get_generic_font_family_monospace, GdipGetGenericFontFamilyMonospace)  // 12
  DRAWING_OP(clone_font_family, GdipCloneFontFamily)                               // 13
  std::string get_family_name(LANGID language = LANG_NEUTRAL) const;               // 14
  bool get_family_name(std::string& name, LANGID language) const;                  // 15
  DRAWING_GET_BOOL(is_style_available, GdipIsStyleAvailable)                            // 16
  DRAWING_GET(get_em_height, GdipGetEmHeight)                                      // 17
  DRAWING_GET(get_cell_ascent, GdipGetCellAscent)                                  // 18
  DRAWING_GET(get_cell_descent, GdipGetCellDescent)                                // 19
  DRAWING_GET(get_line_spacing, GdipGetLineSpacing)                                // 20
};

}  // namespace drawing
