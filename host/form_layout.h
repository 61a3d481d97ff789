#pragma once
// A window described as a table: the window's caption and place, then its controls in creation
// order. A control's identifier is its position in the table. Kept free of heavy includes: the
// tables holding Chinese texts live in units compiled with a GBK execution charset.
#include <cstddef>

namespace host {

enum class ControlKind {
  TabControl,
  Button,
  Edit,
  MultilineEdit,
  DropDownList,
  TransparentLabel,
  ReportList,
  StatisticsView,
};

inline constexpr int kOnWindow = -1;

struct ControlSpec {
  ControlKind kind;
  int parent;  // identifier of the tab control that carries it, or kOnWindow
  int x, y, width, height;
  const char* text = "";  // caption; the start address of a statistics view
  bool hidden = false;
  const char* const* items = nullptr;  // drop-down items
  int item_count = 0;
  int selected_item = -1;
  const char* column_title = nullptr;  // report list: its one column
  int column_width = 0;
  const char* font_name = nullptr;  // nullptr: the form's control font
  int font_height = 0;              // pixels
};

struct FormLayout {
  const char* caption;
  int x, y, width, height;  // outer size; the form has no frame of its own, so client = outer
  const ControlSpec* controls;
  int control_count;
};

}  // namespace host
