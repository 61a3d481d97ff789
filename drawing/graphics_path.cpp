#include "drawing/graphics_path.h"

#include <algorithm>

namespace drawing {
namespace {

// The flat layout GdipGetPathData fills (the declared GpPathData is opaque).
struct FlatPathData {
  INT count;
  PointF* points;
  BYTE* types;
};

}  // namespace

bool GraphicsPath::get_path_data(std::vector<PointF>& points, std::vector<BYTE>& types) const {
  const INT count = get_point_count();
  if (last_status != Gdiplus::Ok) return false;
  points.assign(static_cast<std::size_t>(std::max(count, 0)), PointF());
  types.assign(points.size(), 0);
  FlatPathData data{count, points.data(), types.data()};
  return detail::forward<1>(DRAWING_FLAT(GdipGetPathData), std::tuple(handle()),
                            reinterpret_cast<Gdiplus::GpPathData*>(&data)) == Gdiplus::Ok;
}

bool GraphicsPath::add_path_rounded_rectangle(REAL x, REAL y, REAL width, REAL height,
                                              INT percent) const {
  percent = std::clamp(percent, 1, 100);
  const REAL cw = static_cast<INT>(width * percent / 100);
  const REAL ch = static_cast<INT>(height * percent / 100);
  return add_path_arc(x + width - cw, y, cw, ch, 270.0f, 90.0f) &&
         add_path_arc(x + width - cw, y + height - ch, cw, ch, 0.0f, 90.0f) &&
         add_path_arc(x, y + height - ch, cw, ch, 90.0f, 90.0f) &&
         add_path_arc(x, y, cw, ch, 180.0f, 90.0f) && close_path_figure();
}

}  // namespace drawing
