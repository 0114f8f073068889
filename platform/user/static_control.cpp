// The Static class: text, icons and frames; it never takes the focus.
#include <windows.h>

#include "user/controls.h"
#include "user/window.h"

namespace platform::user::controls {
namespace {

struct StaticState : ControlState {
  HANDLE image = nullptr;
};

}  // namespace

LRESULT CALLBACK static_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPtr w = find_window(hwnd);
  if (!w) return 0;
  StaticState& s = w->state_as<StaticState>();
  switch (msg) {
    case WM_GETDLGCODE: return DLGC_STATIC;
    // Only a static that notifies takes the mouse; others let it through to what lies below.
    case WM_NCHITTEST: return (w->style & SS_NOTIFY) ? DefWindowProcW(hwnd, msg, wp, lp) : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
      if (w->style & SS_NOTIFY) notify_parent(hwnd, STN_CLICKED);
      return 0;
    case STM_SETICON:
    case STM_SETIMAGE: {
      HANDLE before = s.image;
      s.image = reinterpret_cast<HANDLE>(msg == STM_SETICON ? wp : WPARAM(lp));
      return LRESULT(before);
    }
    case STM_GETICON:
    case STM_GETIMAGE: return LRESULT(s.image);
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace platform::user::controls
