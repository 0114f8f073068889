// The Static class: text, icons and frames; it never takes the focus.
#include <windows.h>

#include "user/controls.h"
#include "user/window.h"

namespace winsim::user::controls {
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

}  // namespace winsim::user::controls
