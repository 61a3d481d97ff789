#pragma once
// A font over a GDI+ Font.
#include "drawing/font_family.h"

namespace drawing {

class Graphics;

class Font : public Handled<GpFont> {
 public:
  Font() : Handled(DRAWING_RELEASE(GdipDeleteFont)) {}

  bool delete_font() { return delete_native(); }                             // 7
  DRAWING_CREATE(create_font, GdipCreateFont)                                 // 8 (family, size, style, unit)
  bool create_font_from_stock_gui_font();                                     // 9 DEFAULT_GUI_FONT
  // 10-11: from a family name (a missing name falls back as FontFamily does).
  bool create_font(std::string_view family_name, REAL size, INT style, Gdiplus::Unit unit);
  bool create_font(std::string_view family_name, REAL size);  // regular, in points
  DRAWING_CREATE(create_font_from_dc, GdipCreateFontFromDC)                   // 12
  DRAWING_CREATE(create_font_from_logfont_a, GdipCreateFontFromLogfontA)      // 13 (DC, LOGFONTA)
  bool create_font_from_logfont_a(const LOGFONTA& logfont);                   // 14 (screen DC)
  DRAWING_CREATE(create_font_from_logfont_w, GdipCreateFontFromLogfontW)      // 15
  DRAWING_OP(clone_font, GdipCloneFont)                                       // 16
  DRAWING_OP(get_log_font_a, GdipGetLogFontA)                                 // 17 (graphics, LOGFONTA&)
  DRAWING_OP(get_log_font_w, GdipGetLogFontW)                                 // 18
  DRAWING_OP(get_family, GdipGetFamily)                                       // 19 (into a FontFamily)
  DRAWING_GET(get_font_style, GdipGetFontStyle)                               // 20
  DRAWING_GET(get_font_size, GdipGetFontSize)                                 // 21
  DRAWING_GET(get_font_unit, GdipGetFontUnit)                                 // 22
  DRAWING_GET(get_font_height, GdipGetFontHeight)                             // 23 (graphics)
  DRAWING_GET(get_font_height_given_dpi, GdipGetFontHeightGivenDPI)           // 24
};

}  // namespace drawing
