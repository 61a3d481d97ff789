#pragma once
// A brush that tiles a picture, over a GDI+ Texture.
#include "drawing/brush.h"

namespace drawing {

class Image;

class TextureBrush : public Handled<GpTexture, Brush> {
 public:
  TextureBrush() = default;

  DRAWING_CREATE(create_texture, GdipCreateTexture)                          // 11 (image, wrap)
  template <typename Picture>  // an Image or a Bitmap; wrap mode WrapModeTile
  bool create_texture(const Picture& image) {
    return create_texture(image, Gdiplus::WrapModeTile);
  }
  DRAWING_CREATE(create_texture2, GdipCreateTexture2)                        // 12
  DRAWING_CREATE(create_texture2_i, GdipCreateTexture2I)                     // 13
  DRAWING_CREATE(create_texture_ia, GdipCreateTextureIA)                     // 14
  DRAWING_CREATE(create_texture_iai, GdipCreateTextureIAI)                   // 15
  DRAWING_OP(get_texture_transform, GdipGetTextureTransform)                 // 16 (into a Matrix)
  DRAWING_OP(set_texture_transform, GdipSetTextureTransform)                 // 17
  DRAWING_OP(reset_texture_transform, GdipResetTextureTransform)             // 18
  DRAWING_OP(multiply_texture_transform, GdipMultiplyTextureTransform)       // 19
  DRAWING_OP(translate_texture_transform, GdipTranslateTextureTransform)     // 20
  DRAWING_OP(scale_texture_transform, GdipScaleTextureTransform)             // 21
  DRAWING_SCALE_ABOUT(scale_texture_transform, translate_texture_transform)  // 22
  DRAWING_OP(rotate_texture_transform, GdipRotateTextureTransform)           // 23
  DRAWING_ROTATE_ABOUT(rotate_texture_transform, translate_texture_transform)  // 24
  DRAWING_GET(get_texture_wrap_mode, GdipGetTextureWrapMode)                 // 25
  DRAWING_OP(set_texture_wrap_mode, GdipSetTextureWrapMode)                  // 26
  DRAWING_OP(get_texture_image, GdipGetTextureImage)                         // 27 (into an Image)
};

}  // namespace drawing
