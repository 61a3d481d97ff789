#pragma once
// The window services of the host run time, as the generator sees them: controls addressed by the
// application's own identifiers, a report list view, the clipboard and the message box.
#include <optional>
#include <string>
#include <string_view>

#include "host/control_id.h"

namespace host {

class Ui {
 public:
  virtual ~Ui() = default;

  // Whole text of an edit box (or any control with a text).
  virtual std::string text(ControlId control) const = 0;
  virtual void set_text(ControlId control, std::string_view text) = 0;
  // Selection index of a drop-down list, −1 when nothing is selected.
  virtual int selection_index(ControlId control) const = 0;

  // Report list view; rows and columns count from 0.
  // While redrawing is off the list takes rows without painting; turning it on repaints it once.
  virtual void set_list_redraw(ControlId list, bool redraw) = 0;
  virtual void delete_all_rows(ControlId list) = 0;
  virtual int append_row(ControlId list) = 0;
  virtual void set_cell_text(ControlId list, int row, int column, std::string_view text) = 0;
  virtual int selected_row(ControlId list) const = 0;
  // The empty text for a row or column that does not exist.
  virtual std::string cell_text(ControlId list, int row, int column) const = 0;

  // Replaces the clipboard with one ANSI text; false when another program holds the clipboard.
  virtual bool set_clipboard_text(std::string_view text) = 0;

  // Button set 0: OK only. Without a caption the host's own caption "信息：" is used.
  virtual int message_box(std::string_view text, int buttons = 0,
                          std::optional<std::string_view> caption = std::nullopt) = 0;
};

}  // namespace host
