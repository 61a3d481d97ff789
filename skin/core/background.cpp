#include "skin/core/background.h"

#include <cmath>

#include "drawing/bitmap.h"
#include "drawing/graphics.h"
#include "drawing/graphics_path.h"
#include "drawing/solid_brush.h"
#include "skin/core/colour.h"
#include "skin/core/dc_registry.h"
#include "skin/core/pictures.h"
#include "host/platform.h"
#include "skin/core/properties.h"
#include "skin/core/settings.h"
#include "skin/core/window_records.h"

namespace skin {

namespace {

constexpr int scroll_bar_width = 17;

// A registered memory DC with a w × h 32-bit bitmap that starts transparent black.
HDC create_snapshot(int w, int h) {
  drawing::Bitmap picture;
  picture.create_bitmap_from_scan0(w, h, PixelFormat32bppARGB);
  const HBITMAP bitmap = picture.create_hbitmap_from_bitmap(0);
  const HDC dc = CreateCompatibleDC(nullptr);
  register_dc(dc, bitmap, SelectObject(dc, bitmap));
  return dc;
}

// Lays one translucent colour over the whole w × h block, or with `group_box_shape` over the
// rounded rectangle that a group box's frame encloses.
void fill_block(HDC dc, std::uint32_t argb, int w, int h, bool group_box_shape = false) {
  drawing::Graphics graphics;
  graphics.create_from_hdc(dc);
  drawing::SolidBrush brush;
  brush.create_solid_fill(argb);
  if (group_box_shape) {
    drawing::GraphicsPath path;
    rounded_rect_path(path, 0, 5, static_cast<float>(w), static_cast<float>(h - 6), 5);
    graphics.fill_path(brush, path);
  } else {
    graphics.fill_rectangle(brush, 0.0f, 0.0f, static_cast<float>(w), static_cast<float>(h));
  }
}

void tint(HDC dc, int window_index, int panel_position, int w, int h,
          bool group_box_shape = false) {
  if (panel_position < 1) return;
  const PanelRecord& panel = window_records()[window_index].panel_list[panel_position];
  if (panel.fill_colour == 0) return;
  fill_block(dc, to_argb(panel.fill_colour, panel.fill_alpha, true), w, h,
             group_box_shape && panel.is_group_box);
}

RECT offset_by(RECT r, const RECT& origin) {
  OffsetRect(&r, -origin.left, -origin.top);
  return r;
}

int floor_half(int value) { return static_cast<int>(std::floor(value / 2.0)); }

}  // namespace

RECT rect_in(HWND container, HWND control) {
  return offset_by(host::window_rect(control), host::window_rect(container));
}

RECT rect_in_root(HWND control) { return rect_in(GetAncestor(control, GA_ROOT), control); }

RECT rect_in_owner(HWND control) {
  if (find_window_record(control)) return {};
  if (const int w = find_skinned_ancestor(control)) {
    for (HWND p = host::parent_of(control); p; p = host::parent_of(p)) {
      if (p == window_records()[w].hwnd || find_panel(w, p)) return rect_in(p, control);
    }
  }
  return rect_in_root(control);
}

HDC background_snapshot(HWND control, const RECT& rect) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  const HDC snapshot = create_snapshot(w, h);
  auto copy_from = [&](HDC source, const RECT& at) {
    BitBlt(snapshot, 0, 0, w, h, source, at.left + rect.left, at.top + rect.top, SRCCOPY);
  };
  auto back_buffer = [](int window_index) { return window_records()[window_index].back_buffer_dc; };
  auto cached_picture = [](HWND tab_host) {
    return host::get_property<HDC>(tab_host, property::cached_picture_dc);
  };
  const Owner owner = find_owner(control, true);

  if (owner.is_window) {
    copy_from(back_buffer(owner.window_index), rect_in_owner(control));
    tint(snapshot, owner.window_index, find_panel(owner.window_index, control), w, h, true);
  } else if (owner.substitute == control) {
    if (const auto tab_host = host::get_property<HWND>(control, property::substitute_parent)) {
      copy_from(cached_picture(tab_host), rect_in(tab_host, control));
    } else if (const int window_index = find_skinned_ancestor(control)) {
      copy_from(back_buffer(window_index), rect_in_root(control));
    }
  } else if (owner.substitute) {
    copy_from(cached_picture(owner.substitute), rect_in(owner.substitute, control));
    const int window_index = owner.window_index ? owner.window_index : find_skinned_ancestor(control);
    if (window_index) {
      int panel = find_panel(window_index, control);
      if (!panel) panel = find_marked_panel(window_index, control, owner.substitute);
      tint(snapshot, window_index, panel, w, h);
    }
  } else {
    const int window_index = owner.window_index ? owner.window_index : find_skinned_ancestor(control);
    if (!window_index) {
      release_dc(snapshot);
      return nullptr;
    }
    copy_from(back_buffer(window_index), rect_in_root(control));
    const int panel = find_panel(window_index, control);
    tint(snapshot, window_index, panel ? panel : owner.panel_position, w, h);
  }
  return snapshot;
}

HBITMAP control_background_bitmap(HWND control) {
  const RECT box = client_box(control);
  const HDC snapshot = background_snapshot(control, box);
  if (!snapshot) return nullptr;
  const int w = host::width_of(box), h = host::height_of(box);
  fill_block(snapshot, to_argb(0xFFFFFF, skin_settings().wash_alpha, true), w, h);

  const host::MemoryDc copy(CreateCompatibleDC(snapshot));
  const HBITMAP bitmap = CreateCompatibleBitmap(snapshot, w, h);
  {
    const host::ScopedSelection selection(copy.get(), bitmap);
    BitBlt(copy.get(), 0, 0, w, h, snapshot, 0, 0, SRCCOPY);
  }
  release_dc(snapshot);
  return bitmap;
}

RECT client_box(HWND control) {
  const RECT window = host::window_rect(control);
  const RECT client = host::client_rect(control);
  const int cw = host::width_of(client), ch = host::height_of(client);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const int vertical_bar = style & WS_VSCROLL ? scroll_bar_width : 0;
  const int horizontal_bar = style & WS_HSCROLL ? scroll_bar_width : 0;
  const int border_x = floor_half(host::width_of(window) - (cw + vertical_bar));
  const int border_y = floor_half(host::height_of(window) - (ch + horizontal_bar));
  return {border_x, border_y, border_x + cw, border_y + ch};
}

std::string class_name_of(HWND window) {
  char name[255] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace skin
