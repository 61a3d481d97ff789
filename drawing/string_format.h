#pragma once
// Text layout settings over a GDI+ StringFormat.
#include "drawing/object.h"

namespace drawing {

class StringFormat : public Handled<GpStringFormat> {
 public:
  StringFormat() : Handled(DRAWING_RELEASE(GdipDeleteStringFormat)) {}

  bool delete_string_format() { return delete_native(); }                         // 7
  DRAWING_CREATE(create_string_format, GdipCreateStringFormat)                     // 8
  DRAWING_CREATE(string_format_get_generic_default, GdipStringFormatGetGenericDefault)  // 9
  DRAWING_CREATE(string_format_get_generic_typographic,                            // 10
                 GdipStringFormatGetGenericTypographic)
  DRAWING_OP(clone_string_format, GdipCloneStringFormat)                           // 11
  DRAWING_OP(set_string_format_flags, GdipSetStringFormatFlags)                    // 12
  DRAWING_GET(get_string_format_flags, GdipGetStringFormatFlags)                   // 13
  DRAWING_OP(set_string_format_align, GdipSetStringFormatAlign)                    // 14
  DRAWING_GET(get_string_format_align, GdipGetStringFormatAlign)                   // 15
  DRAWING_OP(set_string_format_line_align, GdipSetStringFormatLineAlign)           // 16
  DRAWING_GET(get_string_format_line_align, GdipGetStringFormatLineAlign)          // 17
  DRAWING_OP(set_string_format_trimming, GdipSetStringFormatTrimming)              // 18
  DRAWING_GET(get_string_format_trimming, GdipGetStringFormatTrimming)             // 19
  DRAWING_OP(set_string_format_hotkey_prefix, GdipSetStringFormatHotkeyPrefix)     // 20
  DRAWING_GET(get_string_format_hotkey_prefix, GdipGetStringFormatHotkeyPrefix)    // 21
  DRAWING_OP(set_string_format_tab_stops, GdipSetStringFormatTabStops)             // 22 (first, stops)
  std::vector<REAL> get_string_format_tab_stops(REAL& first_offset) const;         // 23
  DRAWING_OP(set_string_format_digit_substitution,                                 // 24
             GdipSetStringFormatDigitSubstitution)
  DRAWING_OP(get_string_format_digit_substitution,                                 // 25
             GdipGetStringFormatDigitSubstitution)
  DRAWING_OP(set_string_format_measurable_character_ranges,                        // 26 (ranges)
             GdipSetStringFormatMeasurableCharacterRanges)
  DRAWING_GET(get_string_format_measurable_character_range_count,                  // 27
              GdipGetStringFormatMeasurableCharacterRangeCount)
};

}  // namespace drawing
