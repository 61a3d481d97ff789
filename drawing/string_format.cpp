#include "drawing/string_format.h"

namespace drawing {

std::vector<REAL> StringFormat::get_string_format_tab_stops(REAL& first_offset) const {
  INT count = 0;
  detail::forward<1>(DRAWING_FLAT(GdipGetStringFormatTabStopCount), std::tuple(handle()), count);
  if (last_status != Gdiplus::Ok || count <= 0) return {};
  std::vector<REAL> stops(static_cast<std::size_t>(count));
  if (detail::forward<1>(DRAWING_FLAT(GdipGetStringFormatTabStops), std::tuple(handle()), count,
                         first_offset, stops.data()) != Gdiplus::Ok) {
    return {};
  }
  return stops;
}

}  // namespace drawing
