// DefWindowProc: what a window does with the messages its procedure leaves alone.
#include <windows.h>

#include "kernel/out_buffer.h"
#include "user/default_painting.h"
#include "user/deliver.h"
#include "user/mouse.h"
#include "user/paint_geometry.h"
#include "user/window_class.h"
#include "user/update_region.h"

namespace {

using namespace platform;
using namespace platform::user;

// The window menu's commands that the window manager carries out; others are left alone.
LRESULT system_command(const Window& w, UINT command) {
  switch (command) {
    case SC_CLOSE: send(w.hwnd, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(w.hwnd, SW_MINIMIZE); break;
    case SC_RESTORE: ShowWindow(w.hwnd, SW_RESTORE); break;
    default: break;
  }
  return 0;
}

// WM_SETICON keeps the icon and gives the one it replaces; ICON_SMALL2 asks for the small icon
// or, when there is none, the big one.
HICON window_icon(Window& w, UINT msg, WPARAM which, HICON icon) {
  HICON& slot = which == ICON_BIG ? w.big_icon : w.small_icon;
  if (msg == WM_GETICON) return which == ICON_SMALL2 && !w.small_icon ? w.big_icon : slot;
  HICON before = slot;
  slot = icon;
  if ((w.style & WS_CAPTION) == WS_CAPTION) paint::invalidate_frame(w);  // the caption shows it
  return before;
}

LRESULT default_handling(Window& w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
      if (cs && cs->lpszName) w.text = out::in(cs->lpszName);
      return TRUE;
    }
    case WM_SETTEXT:
      w.text = out::in(reinterpret_cast<LPCWSTR>(lp));
      if ((w.style & WS_CAPTION) == WS_CAPTION) paint::invalidate_frame(w);  // the caption shows it
      return TRUE;
    case WM_GETTEXT:
      return LRESULT(out::truncated<char16_t>(w.text, reinterpret_cast<char16_t*>(lp), wp));
    case WM_GETTEXTLENGTH:
      return LRESULT(w.text.size());
    case WM_SETFONT:
      w.font = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp)) paint::invalidate_control(w);
      return 0;
    case WM_GETFONT:
      return LRESULT(w.font);
    case WM_NCHITTEST:
      return mouse::hit_test(w, lp);
    case WM_SETCURSOR:
      return mouse::set_cursor(w, wp, lp);
    case WM_NCPAINT:
      paint::default_frame(w);
      return 0;
    case WM_PAINT:
      paint::default_paint(w);
      return 0;
    case WM_ERASEBKGND:
      return paint::erase_with_class_brush(w, reinterpret_cast<HDC>(wp));
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return LRESULT(paint::default_control_colors(msg, reinterpret_cast<HDC>(wp)));
    case WM_CLOSE:
      DestroyWindow(w.hwnd);
      return 0;
    case WM_SYSCOMMAND:
      return system_command(w, UINT(wp & 0xFFF0));
    case WM_SETICON:
    case WM_GETICON:
      return LRESULT(window_icon(w, msg, wp, reinterpret_cast<HICON>(lp)));
    case WM_QUERYDRAGICON:
      return LRESULT(w.window_class->icon);
    case WM_ICONERASEBKGND: {
      RECT client = paint::rect_of(paint::client_area(w));
      FillRect(reinterpret_cast<HDC>(wp), &client, GetSysColorBrush(COLOR_DESKTOP));
      return TRUE;
    }
    default:
      return 0;
  }
}

}  // namespace

extern "C" {

LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  WindowPtr w = find_window(hWnd);
  return w ? default_handling(*w, Msg, wParam, lParam) : 0;
}

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return call_proc(DefWindowProcW, true, hWnd, Msg, wParam, lParam, false);
}

}  // extern "C"
