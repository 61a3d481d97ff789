#include "host/form_window.h"

#include <commctrl.h>

#include "host/host_texts.h"
#include "host/statistics_view.h"

namespace host {

namespace {

constexpr char kFormClass[] = "YanxiForm";
constexpr int kFirstControlId = 1000;
// On a tab control: the procedure our forwarding replaced, and the form it belongs to.
constexpr char kTabPreviousProc[] = "Yanxi_TabProc";
constexpr char kTabForm[] = "Yanxi_TabForm";

struct ControlClass {
  const char* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass control_class(ControlKind kind) {
  switch (kind) {
    case ControlKind::TabControl: return {WC_TABCONTROLA, 0, 0};
    case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::Edit: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::MultilineEdit:
      // No word wrap: a batch of 70 lines then costs one measurement per line, not several.
      return {"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::TransparentLabel: return {"STATIC", SS_LEFT, WS_EX_TRANSPARENT};
    case ControlKind::ReportList:
      return {WC_LISTVIEWA, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::StatisticsView: return {statistics_view_class(), 0, 0};
  }
  return {"STATIC", 0, 0};
}

bool register_form_class(WNDPROC procedure) {
  static const bool registered = [procedure] {
    INITCOMMONCONTROLSEX common = {sizeof common, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    return RegisterClassExA(&wc) != 0;
  }();
  return registered;
}

}  // namespace

FormWindow::FormWindow(const FormLayout& layout, Events events)
    : layout_(layout), events_(std::move(events)) {}

FormWindow::~FormWindow() {
  if (hwnd_) {
    closing_from_owner_ = true;
    DestroyWindow(hwnd_);
  }
}

bool FormWindow::create() {
  if (hwnd_ || !register_form_class(window_proc)) return false;
  control_font_.reset(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, texts::control_font));
  // No caption and no border: the client area is the whole window, ready for a frame of its own.
  // The minimize and maximize bits stay in the style, so that a skin can derive its buttons.
  const DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  CreateWindowExA(WS_EX_APPWINDOW, kFormClass, layout_.caption, style, layout_.x, layout_.y,
                  layout_.width, layout_.height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  return hwnd_ != nullptr;
}

void FormWindow::show() {
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

HWND FormWindow::control(ControlId id) const {
  return id >= 0 && id < static_cast<int>(controls_.size()) ? controls_[id] : nullptr;
}

ControlId FormWindow::id_of(HWND control) const {
  const int id = GetDlgCtrlID(control) - kFirstControlId;
  return this->control(id) == control && control ? id : -1;
}

LRESULT CALLBACK FormWindow::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* creating = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    creating->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return self ? self->on_message(message, wparam, lparam)
              : DefWindowProcA(hwnd, message, wparam, lparam);
}

LRESULT FormWindow::on_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      create_controls();
      if (events_.created) events_.created();
      return 0;
    case WM_COMMAND: {
      const ControlId id = id_of(reinterpret_cast<HWND>(lparam));
      if (HIWORD(wparam) == BN_CLICKED && id >= 0 &&
          layout_.controls[id].kind == ControlKind::Button && events_.clicked)
        events_.clicked(id);
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      const ControlId id = id_of(header->hwndFrom);
      if (header->code == static_cast<UINT>(NM_DBLCLK) && id >= 0 &&
          layout_.controls[id].kind == ControlKind::ReportList && events_.double_clicked)
        events_.double_clicked(id);
      return 0;
    }
    case WM_CTLCOLORSTATIC: {
      // A transparent label leaves its background unpainted: only its text shows.
      const ControlId id = id_of(reinterpret_cast<HWND>(lparam));
      if (id >= 0 && layout_.controls[id].kind == ControlKind::TransparentLabel) {
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      }
      break;
    }
    case WM_DESTROY:
      if (!closing_from_owner_) PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      controls_.clear();
      return 0;
  }
  return DefWindowProcA(hwnd_, message, wparam, lparam);
}

// Controls on a tab control send their notifications to it; the form is where handlers live.
LRESULT CALLBACK FormWindow::tab_proc(HWND tab, UINT message, WPARAM wparam, LPARAM lparam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(tab, kTabPreviousProc));
  auto* form = static_cast<FormWindow*>(GetPropA(tab, kTabForm));
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
      if (form && form->id_of(reinterpret_cast<HWND>(lparam)) >= 0)
        return SendMessageA(form->hwnd_, message, wparam, lparam);
      break;
    case WM_NOTIFY:
      if (form && form->id_of(reinterpret_cast<NMHDR*>(lparam)->hwndFrom) >= 0)
        return SendMessageA(form->hwnd_, message, wparam, lparam);
      break;
    case WM_NCDESTROY:
      RemovePropA(tab, kTabPreviousProc);
      RemovePropA(tab, kTabForm);
      SetWindowLongPtrA(tab, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
      break;
  }
  return CallWindowProcA(previous, tab, message, wparam, lparam);
}

void FormWindow::create_controls() {
  controls_.assign(static_cast<std::size_t>(layout_.control_count), nullptr);
  for (ControlId id = 0; id < layout_.control_count; ++id)
    controls_[id] = create_control(id, layout_.controls[id]);
}

HWND FormWindow::create_control(ControlId id, const ControlSpec& spec) {
  const ControlClass cls = control_class(spec.kind);
  HWND parent = spec.parent == kOnWindow ? hwnd_ : control(spec.parent);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cls.style | (spec.hidden ? 0 : WS_VISIBLE);
  // A drop-down's height given to CreateWindow includes its list.
  const int height = spec.kind == ControlKind::DropDownList ? spec.height + 120 : spec.height;
  HWND hwnd = CreateWindowExA(cls.ex_style, cls.name, spec.text, style, spec.x, spec.y, spec.width,
                              height, parent, reinterpret_cast<HMENU>(INT_PTR{kFirstControlId + id}),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return nullptr;
  // Later controls lie above the earlier ones they overlap, as they were laid out.
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_for(spec)), FALSE);

  switch (spec.kind) {
    case ControlKind::TabControl:
      SetPropA(hwnd, kTabForm, this);
      SetPropA(hwnd, kTabPreviousProc,
               reinterpret_cast<HANDLE>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC,
                                                          reinterpret_cast<LONG_PTR>(tab_proc))));
      break;
    case ControlKind::MultilineEdit:
      SendMessageA(hwnd, EM_SETLIMITTEXT, 0, 0);
      break;
    case ControlKind::DropDownList:
      for (int i = 0; i < spec.item_count; ++i)
        SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(spec.items[i]));
      SendMessageA(hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), spec.height - 6);
      SendMessageA(hwnd, CB_SETCURSEL, static_cast<WPARAM>(spec.selected_item), 0);
      break;
    case ControlKind::ReportList: {
      SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                   LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
      LVCOLUMNA column = {};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.cx = spec.column_width;
      column.pszText = const_cast<char*>(spec.column_title ? spec.column_title : "");
      SendMessageA(hwnd, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
      break;
    }
    default:
      break;
  }
  return hwnd;
}

HFONT FormWindow::font_for(const ControlSpec& spec) {
  if (!spec.font_name) return control_font_.get();
  own_fonts_.emplace_back(CreateFontA(-spec.font_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                      GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, spec.font_name));
  return own_fonts_.back().get();
}

int run_message_loop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}

}  // namespace host
