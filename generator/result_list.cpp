#include "generator/result_list.h"

#include "generator/controls.h"
#include "generator/texts.h"
#include "host/texts.h"

namespace generator {

void render_result_list(Session& session) {
  host::Ui& ui = session.ui;
  const host::ControlId list = id(Control::超级列表框1);
  // One repaint for the whole batch instead of one per row.
  ui.set_list_redraw(list, false);
  ui.delete_all_rows(list);
  const auto lines = host::split_text(ui.text(id(Control::编辑框2)), "\r\n");
  // Rows are addressed by line number: the list was emptied above, so it matches the append.
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    ui.append_row(list);
    const auto cells = host::split_text(lines[row], " ");
    for (int column = 0; column < static_cast<int>(cells.size()); ++column)
      ui.set_cell_text(list, row, column, cells[column]);
  }
  ui.set_list_redraw(list, true);
}

void copy_selected_name(Session& session) {
  host::Ui& ui = session.ui;
  const host::ControlId list = id(Control::超级列表框1);
  // A busy clipboard copies nothing; the confirmation shows all the same.
  ui.set_clipboard_text(ui.cell_text(list, ui.selected_row(list), 0));
  ui.message_box(texts::copy_succeeded);
}

}  // namespace generator
