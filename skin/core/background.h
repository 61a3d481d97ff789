#pragma once
// Background snapshots: the part of a skinned window's rendered picture that lies behind a
// control, in a registered memory DC, so that controls painted on it look transparent; and the
// geometry that places them.
#include <windows.h>

#include <string>

namespace skin {

// A memory DC holding the picture behind `rect` (in the control's window coordinates) of
// `control`, tinted with its panel's fill colour where it has one; null when no skinned window
// owns the control. Release it with release_dc.
HDC background_snapshot(HWND control, const RECT& rect);

// The picture behind the control's client area under the white wash of the skin settings, as a
// new bitmap the caller owns (for a pattern brush); null when no skinned window owns the control.
HBITMAP control_background_bitmap(HWND control);

// The control's client area inside its window rectangle, taking its borders as equal on both
// sides and its scroll bars as 17 pixels wide.
RECT client_box(HWND control);

// The control's window rectangle relative to its owner: (0, 0, 0, 0) for a skinned window,
// otherwise relative to the nearest ancestor that is its skinned window or one of that window's
// panels.
RECT rect_in_owner(HWND control);
// Relative to `container`.
RECT rect_in(HWND container, HWND control);
// Relative to the root window (GetAncestor GA_ROOT).
RECT rect_in_root(HWND control);

std::string class_name_of(HWND window);

}  // namespace skin
