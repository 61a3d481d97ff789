#include "drawing/font.h"

namespace drawing {

bool Font::create_font_from_stock_gui_font() {
  LOGFONTA logfont{};
  if (!GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logfont, &logfont)) return false;
  return create_font_from_logfont_a(logfont);
}

bool Font::create_font(std::string_view family_name, REAL size, INT style, Gdiplus::Unit unit) {
  FontFamily family;
  family.create_font_family_from_name(family_name);
  const Status found = last_status;
  if (!family.native()) return false;
  const bool created = create_font(family, size, style, unit);
  if (found != Gdiplus::Ok && created) record(found);
  return created && found == Gdiplus::Ok;
}

bool Font::create_font(std::string_view family_name, REAL size) {
  return create_font(family_name, size, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
}

bool Font::create_font_from_logfont_a(const LOGFONTA& logfont) {
  HDC screen = GetDC(nullptr);
  const bool created = create_font_from_logfont_a(screen, logfont);
  ReleaseDC(nullptr, screen);
  return created;
}

}  // namespace drawing
