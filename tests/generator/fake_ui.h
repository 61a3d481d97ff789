#pragma once
// An in-process stand-in for the window: it keeps control texts, a report list view, the
// clipboard and every message box shown, so the generator's logic can be checked natively.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/ui.h"

class FakeUi : public host::Ui {
 public:
  struct MessageBox {
    std::string text;
    int buttons;
    std::optional<std::string> caption;
  };

  std::map<host::ControlId, std::string> texts;
  std::map<host::ControlId, int> selections;
  std::vector<std::map<int, std::string>> rows;  // the one list view: row → column → text
  int selected = -1;
  bool redrawing = true;
  bool clipboard_held_elsewhere = false;
  std::optional<std::string> clipboard;
  std::vector<MessageBox> boxes;

  std::string text(host::ControlId c) const override {
    auto it = texts.find(c);
    return it == texts.end() ? std::string() : it->second;
  }
  void set_text(host::ControlId c, std::string_view t) override { texts[c] = std::string(t); }
  int selection_index(host::ControlId c) const override {
    auto it = selections.find(c);
    return it == selections.end() ? -1 : it->second;
  }
  void set_list_redraw(host::ControlId, bool redraw) override { redrawing = redraw; }
  void delete_all_rows(host::ControlId) override {
    rows.clear();
    selected = -1;
  }
  int append_row(host::ControlId) override {
    rows.emplace_back();
    return static_cast<int>(rows.size()) - 1;
  }
  void set_cell_text(host::ControlId, int row, int column, std::string_view t) override {
    if (row >= 0 && row < static_cast<int>(rows.size())) rows[row][column] = std::string(t);
  }
  int selected_row(host::ControlId) const override { return selected; }
  std::string cell_text(host::ControlId, int row, int column) const override {
    if (row < 0 || row >= static_cast<int>(rows.size())) return {};
    auto it = rows[row].find(column);
    return it == rows[row].end() ? std::string() : it->second;
  }
  bool set_clipboard_text(std::string_view t) override {
    if (clipboard_held_elsewhere) return false;
    clipboard = std::string(t);
    return true;
  }
  int message_box(std::string_view t, int buttons, std::optional<std::string_view> caption) override {
    boxes.push_back({std::string(t), buttons,
                     caption ? std::optional<std::string>(std::string(*caption)) : std::nullopt});
    return 1;
  }
};
