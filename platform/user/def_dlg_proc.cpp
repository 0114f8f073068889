// DefDlgProc: the dialog class's procedure. It asks the dialog procedure first and does the
// dialog manager's part with what that leaves.
#include <windows.h>

#include "user/deliver.h"
#include "user/dialog_navigation.h"
#include "user/dialog_state.h"
#include "user/focus.h"

namespace {

using namespace platform;
using namespace platform::user;

// Messages whose answer is the dialog procedure's return value itself, not DWLP_MSGRESULT.
bool answers_directly(UINT msg) {
  switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return true;
    default:
      return false;
  }
}

// WM_CLOSE of a dialog is its Cancel button: WM_COMMAND IDCANCEL, unless that button exists
// and is disabled.
void close_as_cancel(HWND dlg) {
  HWND cancel = GetDlgItem(dlg, IDCANCEL);
  SetLastError(0);
  if (cancel && !IsWindowEnabled(cancel)) return;
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), LPARAM(cancel));
}

LRESULT dialog_manager(HWND dlg, DialogState& d, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      close_as_cancel(dlg);
      return 0;
    // The dialog's background is the brush it answers WM_CTLCOLORDLG with.
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wp);
      auto brush = reinterpret_cast<HBRUSH>(send(dlg, WM_CTLCOLORDLG, wp, LPARAM(dlg)));
      RECT client;
      GetClientRect(dlg, &client);
      FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
      return TRUE;
    }
    case DM_GETDEFID: {
      UINT id = navigation::default_id(dlg);
      return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID:
      navigation::set_default_id(dlg, UINT(wp));
      return TRUE;
    case WM_NEXTDLGCTL: {
      // LOWORD(lParam) TRUE: wParam is the control; else wParam nonzero means the previous one.
      HWND to = LOWORD(lp) ? reinterpret_cast<HWND>(wp) : GetNextDlgTabItem(dlg, focus::focused(), wp != 0);
      if (to) navigation::focus_control(dlg, to);
      return 0;
    }
    case WM_SETFOCUS: {
      HWND to = d.saved_focus && IsChild(dlg, d.saved_focus) ? d.saved_focus : GetNextDlgTabItem(dlg, nullptr, FALSE);
      if (to) focus::set(to);
      return 0;
    }
    case WM_ACTIVATE:
      // The dialog keeps its focused control while another window is active, and gives it
      // the focus back when it is active again.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND f = focus::focused();
        if (f && IsChild(dlg, f)) d.saved_focus = f;
      } else if (d.saved_focus && IsChild(dlg, d.saved_focus) && IsWindowEnabled(d.saved_focus)) {
        focus::set(d.saved_focus);
      }
      return 0;
    default:
      return DefWindowProcW(dlg, msg, wp, lp);
  }
}

}  // namespace

extern "C" {

LRESULT WINAPI DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  WindowPtr w = find_window(hDlg);
  if (!w) return 0;
  auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hDlg, DWLP_DLGPROC));
  if (proc) {
    if (INT_PTR handled = proc(hDlg, Msg, wParam, lParam)) {
      if (answers_directly(Msg)) return handled;
      return find_window(hDlg) ? GetWindowLongPtrW(hDlg, DWLP_MSGRESULT) : 0;
    }
  }
  if (!find_window(hDlg)) return 0;
  DialogState& d = w->state_as<DialogState>();
  return dialog_manager(hDlg, d, Msg, wParam, lParam);
}

LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return call_proc(DefDlgProcW, true, hDlg, Msg, wParam, lParam, false);
}

}  // extern "C"
