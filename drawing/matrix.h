#pragma once
// A 3 x 2 affine matrix over a GDI+ Matrix.
#include "drawing/object.h"

#include <array>

namespace drawing {

class Matrix : public Handled<GpMatrix> {
 public:
  Matrix() : Handled(DRAWING_RELEASE(GdipDeleteMatrix)) {}

  bool delete_matrix() { return delete_native(); }                             // 7
  DRAWING_CREATE(create_matrix, GdipCreateMatrix)                               // 8
  DRAWING_CREATE(create_matrix2, GdipCreateMatrix2)                             // 9
  DRAWING_CREATE(create_matrix3, GdipCreateMatrix3)                             // 10
  DRAWING_CREATE(create_matrix3_i, GdipCreateMatrix3I)                          // 11
  DRAWING_OP(clone_matrix, GdipCloneMatrix)                                     // 12
  DRAWING_OP(set_matrix_elements, GdipSetMatrixElements)                        // 13 (six values)
  DRAWING_OP(get_matrix_elements, GdipGetMatrixElements)                        // 14 (into 6 REALs)
  std::array<REAL, 6> get_matrix_elements() const;                              // 15
  bool get_matrix_elements(REAL& m11, REAL& m12, REAL& m21, REAL& m22,          // 16
                           REAL& dx, REAL& dy) const;
  bool set_matrix_elements(const std::array<REAL, 6>& m) const;                 // 17
  DRAWING_OP(multiply_matrix, GdipMultiplyMatrix)                               // 18
  DRAWING_OP(translate_matrix, GdipTranslateMatrix)                             // 19
  DRAWING_OP(rotate_matrix, GdipRotateMatrix)                                   // 20
  DRAWING_ROTATE_ABOUT(rotate_matrix, translate_matrix)                         // 21
  DRAWING_OP(invert_matrix, GdipInvertMatrix)                                   // 22
  DRAWING_OP(scale_matrix, GdipScaleMatrix)                                     // 23
  DRAWING_SCALE_ABOUT(scale_matrix, translate_matrix)                           // 24
  DRAWING_OP(shear_matrix, GdipShearMatrix)                                     // 25
  DRAWING_OP(transform_matrix_points, GdipTransformMatrixPoints)                // 26
  DRAWING_OP(transform_matrix_points_i, GdipTransformMatrixPointsI)             // 27
  DRAWING_OP(vector_transform_matrix_points, GdipVectorTransformMatrixPoints)   // 28
  DRAWING_OP(vector_transform_matrix_points_i, GdipVectorTransformMatrixPointsI)  // 29
  DRAWING_GET_BOOL(is_matrix_invertible, GdipIsMatrixInvertible)                     // 30
  DRAWING_GET_BOOL(is_matrix_identity, GdipIsMatrixIdentity)                         // 31
  DRAWING_GET_BOOL(is_matrix_equal, GdipIsMatrixEqual)                               // 32
};

}  // namespace drawing
