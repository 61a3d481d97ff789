#pragma once
// host::Ui over the controls of a FormWindow.
#include "host/form_window.h"
#include "host/ui.h"

namespace host {

class FormUi : public Ui {
 public:
  explicit FormUi(const FormWindow& form) : form_(form) {}

  std::string text(ControlId control) const override;
  void set_text(ControlId control, std::string_view text) override;
  int selection_index(ControlId control) const override;
  void set_list_redraw(ControlId list, bool redraw) override;
  void delete_all_rows(ControlId list) override;
  int append_row(ControlId list) override;
  void set_cell_text(ControlId list, int row, int column, std::string_view text) override;
  int selected_row(ControlId list) const override;
  std::string cell_text(ControlId list, int row, int column) const override;
  bool set_clipboard_text(std::string_view text) override;
  int message_box(std::string_view text, int buttons,
                  std::optional<std::string_view> caption) override;

 private:
  const FormWindow& form_;
};

}  // namespace host
