#include "drawing/matrix.h"

namespace drawing {

std::array<REAL, 6> Matrix::get_matrix_elements() const {
  std::array<REAL, 6> m{};
  get_matrix_elements(m);
  return m;
}

bool Matrix::get_matrix_elements(REAL& m11, REAL& m12, REAL& m21, REAL& m22, REAL& dx,
                                 REAL& dy) const {
  std::array<REAL, 6> m{};
  if (!get_matrix_elements(m)) return false;
  m11 = m[0], m12 = m[1], m21 = m[2], m22 = m[3], dx = m[4], dy = m[5];
  return true;
}

bool Matrix::set_matrix_elements(const std::array<REAL, 6>& m) const {
  return set_matrix_elements(m[0], m[1], m[2], m[3], m[4], m[5]);
}

}  // namespace drawing
