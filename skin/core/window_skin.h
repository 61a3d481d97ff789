#pragma once
// The skin object: one per program. It carries the callables that the system calls back and a
// little scratch state; its operations take the window they work on as an argument, so one
// object serves every skinned window.
#include <windows.h>

#include <cstdint>
#include <span>
#include <type_traits>

#include "skin/core/thunk.h"

namespace skin {

class WindowSkin;

// What every operation of the skin object receives as its this pointer: the address of a cell
// holding the object reference (a thunk keeps that cell in its frame).
using WindowSkinCell = WindowSkin* const*;

class WindowSkin {
 public:
  static constexpr int operation_count = 42;
  static constexpr int window_procedure_slot = 2;
  static constexpr int caption_button_action_slot = 3;

  // Builds the two thunks and sets the theme colour to the system's face colour.
  WindowSkin();
  // A copy's code blocks are duplicated but stay bound to the object they were built for.
  WindowSkin(const WindowSkin& other);
  WindowSkin& operator=(const WindowSkin&) = delete;
  // Runs the module's end (icon and GDI+), then frees both thunks.
  ~WindowSkin();

  // The operations in slot order; slots not yet provided hold null.
  static std::span<const OperationEntry, operation_count> operations();

  // Calls the operation in `slot` with this object; an empty or missing slot does nothing and
  // gives R's zero value.
  template <class R = std::uint32_t, class... A>
  R call(int slot, A... args) {
    const OperationEntry entry = slot >= 0 && slot < operation_count ? operations()[slot] : nullptr;
    if (!entry) return R();
    WindowSkin* const cell = this;
    return reinterpret_cast<R(__stdcall*)(WindowSkinCell, A...)>(entry)(&cell, args...);
  }

  // Fields in order.
  // Forwards (window, message, wparam, lparam) to slot 2; installed on every skinned window.
  ThunkBlock window_proc_thunk;
  // Width of the resize border and frame.
  std::int32_t border_width = 0;
  // Caption button under the mouse at the last hit test, 0 for none.
  std::int32_t hit_button = 0;
  // Forwards (window index, button number) to slot 3.
  ThunkBlock button_action_thunk;
  // A caption-button click is carried out only while this is non-zero.
  std::uintptr_t button_action_entry = 0;
};

// Slot 0: destroys and frees the object.
void __stdcall destroy_window_skin(WindowSkinCell self);
// Slot 1: a new object with the same fields.
WindowSkin* __stdcall copy_window_skin(WindowSkinCell self);

}  // namespace skin
