#pragma once
// Names of the window properties that link system windows to the skin's records. A skinned window
// or control is found from its handle through these, never through a map of handles.

namespace skin::property {

// On a skinned top-level window: its window index. On a skinned control: the 1-based index of its
// record in its class list (or in panel_list).
inline constexpr char list_index[] = "Hw_lbID";
// On a skinned control: the window index of the record holding it.
inline constexpr char window_index[] = "Hw_FuID";
// The window procedure that the skin replaced.
inline constexpr char previous_proc[] = "Hw_hProc";

// The same three for controls registered one by one in extra_control_list.
inline constexpr char keyed_list_index[] = "Kj_lbID";
inline constexpr char keyed_window_index[] = "Kj_FuID";
inline constexpr char keyed_previous_proc[] = "Kj_hProc";

// On any control: its text colour (COLORREF), the brush returned for its last colour message, and
// the bitmap behind that brush.
inline constexpr char text_colour[] = "Kj_Ztys";
inline constexpr char colour_brush[] = "Kj_dxjb";
inline constexpr char colour_brush_bitmap[] = "Kj_wtjb";

// On a panel: its substitute parent, the nearest ancestor carrying the tab-host mark.
inline constexpr char substitute_parent[] = "Mb_zpf";
// On a tab host: the mark (1), and the DC of its cached picture.
inline constexpr char tab_host_mark[] = "Wxk_Zpf";
inline constexpr char cached_picture_dc[] = "Wxk_Cj";

// On a skinned top-level window: the object that the back-buffer bitmap replaced in
// back_buffer_dc, and the back-buffer bitmap itself.
inline constexpr char back_buffer_replaced[] = "Ck_Ycjdx";
inline constexpr char back_buffer_bitmap[] = "Ck_wtjbdx";

}  // namespace skin::property
