#include "host/form_ui.h"

#include <commctrl.h>

#include "host/clipboard.h"
#include "host/host_texts.h"
#include "host/platform.h"

namespace host {

std::string FormUi::text(ControlId control) const { return window_text(form_.control(control)); }

void FormUi::set_text(ControlId control, std::string_view text) {
  SetWindowTextA(form_.control(control), std::string(text).c_str());
}

int FormUi::selection_index(ControlId control) const {
  return static_cast<int>(SendMessageA(form_.control(control), CB_GETCURSEL, 0, 0));
}

void FormUi::set_list_redraw(ControlId list, bool redraw) {
  HWND view = form_.control(list);
  SendMessageA(view, WM_SETREDRAW, redraw, 0);
  if (redraw) InvalidateRect(view, nullptr, TRUE);
}

void FormUi::delete_all_rows(ControlId list) {
  SendMessageA(form_.control(list), LVM_DELETEALLITEMS, 0, 0);
}

int FormUi::append_row(ControlId list) {
  HWND view = form_.control(list);
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>("");
  return static_cast<int>(SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void FormUi::set_cell_text(ControlId list, int row, int column, std::string_view text) {
  const std::string owned(text);
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(owned.c_str());
  SendMessageA(form_.control(list), LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
               reinterpret_cast<LPARAM>(&item));
}

int FormUi::selected_row(ControlId list) const {
  return static_cast<int>(
      SendMessageA(form_.control(list), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string FormUi::cell_text(ControlId list, int row, int column) const {
  HWND view = form_.control(list);
  if (row < 0 || row >= static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0))) return {};
  // The list view copies at most the buffer's size; grow until the text fits.
  for (std::size_t size = 256;; size *= 2) {
    std::string buffer(size, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    const auto length = static_cast<std::size_t>(SendMessageA(
        view, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    if (length + 1 < size) {
      buffer.resize(length);
      return buffer;
    }
  }
}

bool FormUi::set_clipboard_text(std::string_view text) { return host::set_clipboard_text(text); }

int FormUi::message_box(std::string_view text, int buttons, std::optional<std::string_view> caption) {
  const std::string owned_caption(caption.value_or(texts::message_box_caption));
  return MessageBoxA(nullptr, std::string(text).c_str(), owned_caption.c_str(),
                     static_cast<UINT>(buttons) | MB_TASKMODAL);
}

}  // namespace host
