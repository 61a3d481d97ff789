#include "drawing/region.h"

#include "drawing/matrix.h"

namespace drawing {
namespace {

template <typename T, typename Fn>
std::vector<T> scans(const Region& region, const Matrix& matrix, Fn scans_fn) {
  const UINT count = region.get_region_scans_count(matrix);
  if (last_status != Gdiplus::Ok || count == 0) return {};
  std::vector<T> rects(count);
  if (detail::forward<1>(scans_fn, std::tuple(region.handle()), rects, matrix) != Gdiplus::Ok) {
    return {};
  }
  return rects;
}

}  // namespace

std::vector<BYTE> Region::get_region_data() const {
  const UINT size = get_region_data_size();
  if (last_status != Gdiplus::Ok || size == 0) return {};
  std::vector<BYTE> data(size);
  UINT filled = 0;
  if (detail::forward<1>(DRAWING_FLAT(GdipGetRegionData), std::tuple(handle()), data.data(), size,
                         filled) != Gdiplus::Ok) {
    return {};
  }
  data.resize(filled);
  return data;
}

UINT Region::get_region_scans_count(const Matrix& matrix) const {
  UINT count = 0;
  detail::forward<1>(DRAWING_FLAT(GdipGetRegionScansCount), std::tuple(handle()), count, matrix);
  return count;
}

std::vector<RectF> Region::get_region_scans(const Matrix& matrix) const {
  return scans<RectF>(*this, matrix, DRAWING_FLAT(GdipGetRegionScans));
}

std::vector<Rect> Region::get_region_scans_i(const Matrix& matrix) const {
  return scans<Rect>(*this, matrix, DRAWING_FLAT(GdipGetRegionScansI));
}

}  // namespace drawing
