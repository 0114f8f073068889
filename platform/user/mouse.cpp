#include "user/mouse.h"

#include "user/deliver.h"
#include "user/geometry.h"
#include "user/window_class.h"

namespace platform::user::mouse {
namespace {

thread_local HWND captured = nullptr;
thread_local HCURSOR cursor = nullptr;

HWND set_capture(HWND hwnd) {
  HWND before = capture();
  captured = hwnd;
  if (before && before != hwnd) send(before, WM_CAPTURECHANGED, 0, LPARAM(hwnd));
  return before;
}

LPARAM packed(int low, int high) { return LPARAM(DWORD(WORD(low)) | DWORD(WORD(high)) << 16); }

// One mouse message at `screen`, to the window the mouse belongs to at this moment.
void deliver(HWND under, UINT msg, WPARAM keys, POINT screen) {
  HWND target = capture();
  if (!target) {
    target = under;
    WindowPtr w = find_window(target);
    if (!w) return;
    LRESULT hit = send(target, WM_NCHITTEST, 0, packed(screen.x, screen.y));
    send(target, WM_SETCURSOR, WPARAM(target), packed(int(hit), int(msg)));
  }
  WindowPtr w = find_window(target);
  if (!w) return;
  POINT origin = geometry::client_origin(*w);
  send(target, msg, keys, packed(screen.x - origin.x, screen.y - origin.y));
}

}  // namespace

HWND capture() {
  if (captured && !find_window(captured)) captured = nullptr;
  return captured;
}

LRESULT hit_test(const Window& w, LPARAM screen_point) {
  POINT p{SHORT(LOWORD(screen_point)), SHORT(HIWORD(screen_point))};
  const RECT& r = w.rect;
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom ? HTCLIENT : HTNOWHERE;
}

// A child asks its parent first; the class cursor shows over the client area.
LRESULT set_cursor(const Window& w, WPARAM wp, LPARAM lp) {
  if (w.parent && send(w.parent, WM_SETCURSOR, wp, lp)) return TRUE;
  if (SHORT(LOWORD(lp)) == HTCLIENT && w.window_class && w.window_class->cursor) {
    SetCursor(w.window_class->cursor);
    return TRUE;
  }
  return FALSE;
}

void click_centre(HWND hwnd) {
  WindowPtr w = find_window(hwnd);
  if (!w) return;
  POINT centre{(w->rect.left + w->rect.right) / 2, (w->rect.top + w->rect.bottom) / 2};
  deliver(hwnd, WM_MOUSEMOVE, 0, centre);
  deliver(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  deliver(hwnd, WM_LBUTTONUP, 0, centre);
}

}  // namespace platform::user::mouse

using platform::user::mouse::capture;

extern "C" {

HWND WINAPI SetCapture(HWND hWnd) {
  if (hWnd && !platform::user::window_of(hWnd)) return nullptr;
  return platform::user::mouse::set_capture(hWnd);
}

BOOL WINAPI ReleaseCapture(void) {
  platform::user::mouse::set_capture(nullptr);
  return TRUE;
}

HWND WINAPI GetCapture(void) { return capture(); }

HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
  HCURSOR before = platform::user::mouse::cursor;
  platform::user::mouse::cursor = hCursor;
  return before;
}

HCURSOR WINAPI GetCursor(void) { return platform::user::mouse::cursor; }

}  // extern "C"
