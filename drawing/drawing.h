#pragma once
// The drawing layer: one class per GDI+ object kind, over the flat API, plus ByteStream (pictures
// in memory) and TooltipWindow.
//
// How to use it:
// - GDI+ must be started (GdiplusStartup) before the first call and shut down after the last
//   object is gone; the layer never starts or stops it.
// - Each object owns its native object: a create operation stores the new handle (deleting the one
//   it replaces), the delete operation (delete_pen, dispose_image, ...) releases it and clears the
//   handle, and destruction releases it otherwise. Copies share the handle: the native object is
//   released once, by an explicit delete (seen by every copy) or by the last copy.
//   FontCollection owns nothing (the installed collection belongs to GDI+).
// - Operations are named after the flat function they forward to, without "Gdip", in
//   lower_snake_case (GdipDrawLineI -> draw_line_i), in each class's slot order. Arguments go
//   through almost unchanged: other drawing objects as their handles (or nullptr), a non-const
//   object where the flat function hands back a new native object, a value where it takes a
//   pointer to one, std::span / std::vector / std::array for an array and its count.
// - Failures are not raised: operations return true on Ok, getters return the value, and
//   drawing::last_status holds the status of the most recent call. A flat function that this
//   machine's gdiplus.dll lacks gives NotImplemented (6).
// - Texts are GBK (std::string or std::string_view), converted with the ANSI code page. GUIDs
//   (frame dimensions, encoders) are registry-format texts, e.g. drawing::frame_dimension_time.
#include "drawing/bitmap.h"
#include "drawing/byte_stream.h"
#include "drawing/font.h"
#include "drawing/font_collection.h"
#include "drawing/font_family.h"
#include "drawing/graphics.h"
#include "drawing/graphics_path.h"
#include "drawing/image.h"
#include "drawing/linear_gradient_brush.h"
#include "drawing/matrix.h"
#include "drawing/path_gradient_brush.h"
#include "drawing/pen.h"
#include "drawing/region.h"
#include "drawing/solid_brush.h"
#include "drawing/string_format.h"
#include "drawing/texture_brush.h"
#include "drawing/tooltip_window.h"
