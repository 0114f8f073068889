// IsDialogMessage: the dialog manager's keyboard. Tab and Shift+Tab move over the tab stops,
// Enter presses the default button (IDOK when there is none), Escape is IDCANCEL; a control
// that asks for a key through WM_GETDLGCODE gets it instead.
#include <windows.h>

#include "user/deliver.h"
#include "user/dialog_navigation.h"
#include "user/focus.h"
#include "user/key_state.h"

namespace {

using namespace platform;
using namespace platform::user;

void command(HWND dlg, int id) {
  HWND button = GetDlgItem(dlg, id);
  SetLastError(0);
  if (button && !IsWindowEnabled(button)) return;
  send(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(button));
}

// Enter: a focused push button is clicked where it stands (on a page inside the dialog too),
// else the dialog's default button, else IDOK.
void press_enter(HWND dlg, HWND focused, LRESULT code) {
  if (focused && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    command(GetParent(focused), GetDlgCtrlID(focused));
    return;
  }
  LRESULT def = send(dlg, DM_GETDEFID, 0, 0);
  command(dlg, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
}

// True when the dialog manager used the key.
bool handle_key(HWND dlg, const MSG* msg) {
  HWND focused = msg->hwnd;
  LRESULT code = send(focused, WM_GETDLGCODE, msg->wParam, LPARAM(msg));
  if (code & DLGC_WANTALLKEYS) return false;
  switch (msg->wParam) {
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      send(dlg, WM_NEXTDLGCTL, keys::state(VK_SHIFT) < 0, FALSE);
      return true;
    case VK_RETURN:
      press_enter(dlg, focus::focused(), code);
      return true;
    case VK_ESCAPE:
      command(dlg, IDCANCEL);
      return true;
    default:
      return false;
  }
}

bool swallowed_char(const MSG* msg) {
  WPARAM c = msg->wParam;
  if (c != L'\t' && c != L'\r' && c != 0x1B) return false;
  return !(send(msg->hwnd, WM_GETDLGCODE, msg->wParam, LPARAM(msg)) & (DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTTAB));
}

BOOL dialog_message(HWND dlg, LPMSG msg) {
  if (!dlg || !msg || !find_window(dlg)) return FALSE;
  if (msg->hwnd != dlg && !IsChild(dlg, msg->hwnd)) return FALSE;
  if (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) keys::note(msg);
  if (msg->message == WM_KEYDOWN && handle_key(dlg, msg)) return TRUE;
  if (msg->message == WM_CHAR && swallowed_char(msg)) return TRUE;
  TranslateMessage(msg);
  DispatchMessageW(msg);
  return TRUE;
}

}  // namespace

extern "C" {

BOOL WINAPI IsDialogMessageW(HWND hDlg, LPMSG lpMsg) { return dialog_message(hDlg, lpMsg); }
BOOL WINAPI IsDialogMessageA(HWND hDlg, LPMSG lpMsg) { return dialog_message(hDlg, lpMsg); }

}  // extern "C"
