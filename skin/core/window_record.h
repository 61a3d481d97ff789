#pragma once
// The record of one skinned top-level window and its caption buttons. A window's 1-based
// position in window_records is its window index, the address every skin operation takes.
#include <windows.h>

#include <cstdint>
#include <string>

#include "drawing/tooltip_window.h"
#include "skin/controls/button.h"
#include "skin/controls/combo_box.h"
#include "skin/controls/edit.h"
#include "skin/controls/header.h"
#include "skin/controls/list_frame.h"
#include "skin/controls/progress_bar.h"
#include "skin/controls/trackbar.h"
#include "skin/controls/up_down.h"
#include "skin/core/lists.h"
#include "skin/core/types.h"
#include "skin/painters/panels.h"
#include "skin/painters/status_bar.h"

namespace skin {

enum CaptionButtonKind : std::int32_t {
  close_button = 0,
  maximize_button = 1,
  minimize_button = 2,
  menu_button = 3,
  help_button = 4,
  custom_button = 5,
};

// How a background picture is laid over the client area.
enum BackgroundMode : std::int32_t {
  natural_size = 0,
  right_aligned = 1,
  centred = 2,
  stretched = 3,
  mirrored_tiles = 4,
};

// One caption (title-bar) button; fields in this order.
struct CaptionButton {
  std::int32_t width = 0;
  std::int32_t height = 0;
  // PNG (32-bit RGBA) of the button.
  Bytes picture;
  // The restore picture of the maximize button; empty otherwise.
  Bytes alternate_picture;
  Bytes third_picture;
  std::int32_t kind = close_button;
  std::string tip;
  // For custom buttons: called when the button is clicked.
  Routine value = nullptr;
  // Where the button is drawn, in client coordinates.
  BoxF place;
};

// A caption button's hover animation: which button, and its step 0 … 8.
struct Fade {
  std::int32_t button = 0;
  std::int32_t step = 0;
};

// Fields in order. A new record is zeroed; attach gives the fields their start values. The GDI
// objects are the window painter's and are released by remove_window_record.
struct WindowRecord {
  HWND hwnd = nullptr;
  std::int32_t caption_height = 0;
  Flag show_help_button = 0;
  Flag show_menu_button = 0;
  Flag show_minimize_button = 0;
  Flag show_maximize_button = 0;
  Flag show_close_button = 0;
  Flag show_caption_text = 0;
  Flag caption_gloss = 0;
  WNDPROC previous_window_proc = nullptr;
  Bytes background_image;
  std::int32_t background_mode = natural_size;
  COLORREF background_colour = 0;
  List<CaptionButton> caption_buttons;
  std::int32_t button_strip_x = 0;
  std::int32_t button_strip_y = 0;
  std::int32_t button_strip_width = 0;
  std::int32_t button_strip_height = 0;
  HGDIOBJ caption_layer_saved = nullptr;
  HBITMAP caption_layer_bitmap = nullptr;
  HGDIOBJ status_layer_saved = nullptr;
  HBITMAP status_layer_bitmap = nullptr;
  Flag maximized = 0;
  Flag minimized = 0;
  std::int32_t min_track_width = 0;
  std::int32_t min_track_height = 0;
  std::int32_t max_track_width = 0;
  std::int32_t max_track_height = 0;
  Flag resizable = 0;
  Flag show_caption_bar = 0;
  COLORREF caption_text_colour = 0;
  // Halo drawn around the caption text.
  COLORREF caption_text_colour2 = 0;
  std::string caption_font_name;
  std::int32_t caption_font_size = 0;
  std::int32_t caption_font_style = 0;
  std::int32_t hot_caption_button = 0;
  // Control family that last took the hover look: 0 buttons, 1 edit boxes, 2 trackbars, 3 combo
  // boxes, 4 list-type frames, 8 up-down controls, 9 headers.
  std::int32_t hot_family = 0;
  HWND hot_parent = nullptr;
  Routine help_callback = nullptr;
  Routine menu_callback = nullptr;
  // One system tooltip with a tool per caption button; a copy of the record shares it.
  drawing::TooltipWindow tooltip;
  std::int32_t status_bar_height = 0;
  Box status_bar_rect;
  List<StatusItem> status_items{StatusItem{}};
  List<Box> status_item_rects{Box{}};
  Flag status_invert_text = 0;
  Flag status_glow = 0;
  COLORREF status_glow_text_colour = 0;
  COLORREF status_glow_colour = 0;
  std::string status_font_name;
  std::int32_t status_font_size = 0;
  RecordList<ButtonRecord> button_list;
  RecordList<EditRecord> edit_list;
  RecordList<FrameRecord> frame_list;
  RecordList<TrackbarRecord> trackbar_list;
  RecordList<ProgressRecord> progress_list;
  RecordList<ComboRecord> combo_list;
  RecordList<UpDownRecord> updown_list;
  RecordList<HeaderRecord> header_list;
  RecordList<KeyedControl> extra_control_list;
  Flag needs_full_render = 0;
  HDC back_buffer_dc = nullptr;
  HDC caption_layer_dc = nullptr;
  HDC status_layer_dc = nullptr;
  std::int32_t hot_index = 0;
  std::int32_t pointer_index = 0;
  RecordList<PanelRecord> panel_list;
  RecordList<DockedEntry> docked_list;
  Flag mouse_inside = 0;
  Fade fade_in;
  Fade fade_out;
  Flag fade_timer_running = 0;
};

}  // namespace skin
