// The Button class: push buttons, check boxes, radio buttons and group boxes.
#include <windows.h>

#include "user/controls.h"
#include "user/deliver.h"
#include "user/update_region.h"

namespace platform::user::controls {
namespace {

struct ButtonState : ControlState {
  UINT check = BST_UNCHECKED;
  bool pushed = false;
};

DWORD kind(const Window& w) { return w.style & BS_TYPEMASK; }

bool is_radio(DWORD k) { return k == BS_RADIOBUTTON || k == BS_AUTORADIOBUTTON; }

// An automatic radio button unchecks the other automatic radio buttons of its group: the
// siblings from the last WS_GROUP before it up to the next WS_GROUP.
void uncheck_group(const Window& w) {
  WindowPtr parent = find_window(w.parent);
  if (!parent) return;
  const std::vector<HWND>& all = parent->children;
  size_t me = 0;
  while (me < all.size() && all[me] != w.hwnd) ++me;
  size_t first = me;
  while (first > 0) {
    WindowPtr s = find_window(all[first]);
    if (s && (s->style & WS_GROUP)) break;
    --first;
  }
  for (size_t i = first; i < all.size(); ++i) {
    WindowPtr s = find_window(all[i]);
    if (!s) continue;
    if (i > me && (s->style & WS_GROUP)) break;
    if (s->hwnd != w.hwnd && s->window_class == w.window_class && kind(*s) == BS_AUTORADIOBUTTON)
      send(s->hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void set_check(Window& w, ButtonState& s, UINT check) {
  if (check == s.check) return;
  s.check = check;
  paint::invalidate_control(w);
}

void click(Window& w) {
  ButtonState& s = w.state_as<ButtonState>();
  switch (kind(w)) {
    case BS_AUTOCHECKBOX: set_check(w, s, s.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED); break;
    case BS_AUTO3STATE: set_check(w, s, (s.check + 1) % 3); break;
    case BS_AUTORADIOBUTTON:
      set_check(w, s, BST_CHECKED);
      uncheck_group(w);
      break;
    default: break;
  }
  notify_parent(w.hwnd, BN_CLICKED);
}

LRESULT dialog_code(const Window& w) {
  switch (kind(w)) {
    case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_PUSHBOX:
    case BS_OWNERDRAW:
    case BS_USERBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_GROUPBOX: return DLGC_STATIC;
    default: return is_radio(kind(w)) ? DLGC_BUTTON | DLGC_RADIOBUTTON : DLGC_BUTTON;
  }
}

}  // namespace

LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPtr w = find_window(hwnd);
  if (!w) return 0;
  ButtonState& s = w->state_as<ButtonState>();
  switch (msg) {
    case WM_GETDLGCODE: return dialog_code(*w);
    case BM_GETCHECK: return s.check;
    case BM_SETCHECK:
      if (kind(*w) != BS_PUSHBUTTON && kind(*w) != BS_DEFPUSHBUTTON && kind(*w) != BS_GROUPBOX)
        set_check(*w, s, UINT(wp) <= BST_INDETERMINATE ? UINT(wp) : BST_CHECKED);
      return 0;
    case BM_GETSTATE: return s.check | (s.pushed ? BST_PUSHED : 0);
    case BM_SETSTATE:
      if (s.pushed != (wp != 0)) paint::invalidate_control(*w);
      s.pushed = wp != 0;
      return 0;
    case BM_SETSTYLE:
      w->style = (w->style & 0xFFFF0000) | (DWORD(wp) & 0xFFFF);
      if (LOWORD(lp)) paint::invalidate_control(*w);
      return 0;
    case BM_CLICK:
      if (!(w->style & WS_DISABLED) && kind(*w) != BS_GROUPBOX) click(*w);
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_SPACE) s.pushed = true;
      return 0;
    case WM_KEYUP:
      if (wp == VK_SPACE && s.pushed) {
        s.pushed = false;
        click(*w);
      }
      return 0;
    case WM_LBUTTONUP:
      click(*w);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      paint::invalidate_control(*w);  // the focus rectangle
      if (w->style & BS_NOTIFY) notify_parent(hwnd, msg == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
      return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
      LRESULT result = DefWindowProcW(hwnd, msg, wp, lp);
      paint::invalidate_control(*w);
      return result;
    }
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace platform::user::controls
