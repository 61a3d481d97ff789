#include "skin/core/window_skin.h"

#include <array>

#include "skin/core/attach.h"
#include "skin/core/settings.h"
#include "skin/core/window_procedure.h"

namespace skin {

namespace {

constexpr ThunkShape window_procedure_shape{.argument_count = 4};
constexpr ThunkShape caption_button_action_shape{.argument_count = 2};

// Method numbers count from 1.
constexpr int method_number(int slot) { return slot + 1; }

const std::array<OperationEntry, WindowSkin::operation_count> table = {
    /*  0 destroy */ operation_entry(destroy_window_skin),
    /*  1 copy */ operation_entry(copy_window_skin),
    /*  2 window_procedure */ operation_entry(window_procedure),
    /*  3 caption_button_action */ operation_entry(caption_button_action),
    /*  4 attach */ nullptr,
    /*  5 add_caption_button */ nullptr,
    /*  6 set_caption_style */ nullptr,
    /*  7 set_window_background */ nullptr,
    /*  8 set_theme */ nullptr,
    /*  9 set_control_options */ nullptr,
    /* 10 render_window */ nullptr,
    /* 11 present_window */ nullptr,
    /* 12 paint_background */ nullptr,
    /* 13 paint_border */ nullptr,
    /* 14 paint_button_separators */ nullptr,
    /* 15 restore_caption_area */ nullptr,
    /* 16 restore_status_area */ nullptr,
    /* 17 paint_caption_button */ nullptr,
    /* 18 paint_button_highlight */ nullptr,
    /* 19 layout_caption_buttons */ nullptr,
    /* 20 hit_test_caption_button */ nullptr,
    /* 21 find_maximize_button */ nullptr,
    /* 22 frame_press */ nullptr,
    /* 23 frame_cursor */ nullptr,
    /* 24 set_help_callback */ nullptr,
    /* 25 set_menu_callback */ nullptr,
    /* 26 paint_caption */ nullptr,
    /* 27 set_status_bar */ nullptr,
    /* 28 layout_status_bar */ nullptr,
    /* 29 paint_status_item */ nullptr,
    /* 30 set_status_item */ nullptr,
    /* 31 set_status_style */ nullptr,
    /* 32 register_picture_button */ nullptr,
    /* 33 register_state_picture_button */ nullptr,
    /* 34 register_panel */ nullptr,
    /* 35 set_panel_alpha */ nullptr,
    /* 36 get_button_strip */ nullptr,
    /* 37 register_keyed_control */ nullptr,
    /* 38 layout_docked_children */ nullptr,
    /* 39 set_text_colour */ nullptr,
    /* 40 get_theme_colour */ nullptr,
    /* 41 set_system_button_pictures */ nullptr,
};

}  // namespace

std::span<const OperationEntry, WindowSkin::operation_count> WindowSkin::operations() {
  return table;
}

WindowSkin::WindowSkin()
    : window_proc_thunk(build_thunk(this, operations(), method_number(window_procedure_slot),
                                    window_procedure_shape)),
      button_action_thunk(build_thunk(this, operations(),
                                      method_number(caption_button_action_slot),
                                      caption_button_action_shape)),
      button_action_entry(button_action_thunk.entry_address()) {
  skin_settings().theme_colour = GetSysColor(COLOR_BTNFACE);
}

WindowSkin::WindowSkin(const WindowSkin& other)
    : window_proc_thunk(other.window_proc_thunk),
      border_width(other.border_width),
      hit_button(other.hit_button),
      button_action_thunk(other.button_action_thunk),
      // The copy's own block, so that the address stays valid for as long as the copy lives.
      button_action_entry(button_action_thunk.entry_address()) {}

WindowSkin::~WindowSkin() { end_skin_module(); }

void __stdcall destroy_window_skin(WindowSkinCell self) { delete *self; }

WindowSkin* __stdcall copy_window_skin(WindowSkinCell self) { return new WindowSkin(**self); }

}  // namespace skin
