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

// The window a mouse message at `screen` goes to at this moment (asked for its cursor unless it
// has the capture), with the point in its client coordinates at `client`; null when gone.
HWND aim(HWND under, UINT msg, POINT screen, LPARAM* client) {
  HWND target = capture();
  if (!target) {
    target = under;
    WindowPtr w = find_window(target);
    if (!w) return nullptr;
    LRESULT hit = send(target, WM_NCHITTEST, 0, packed(screen.x, screen.y));
    send(target, WM_SETCURSOR, WPARAM(target), packed(int(hit), int(msg)));
  }
  WindowPtr w = find_window(target);
  if (!w) return nullptr;
  POINT origin = geometry::client_origin(*w);
  *client = packed(screen.x - origin.x, screen.y - origin.y);
  return target;
}

void deliver(HWND under, UINT msg, WPARAM keys, POINT screen) {
  LPARAM client = 0;
  if (HWND target = aim(under, msg, screen, &client)) send(target, msg, keys, client);
}

POINT centre_of(const Window& w) { return {(w.rect.left + w.rect.right) / 2, (w.rect.top + w.rect.bottom) / 2}; }

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
  POINT centre = centre_of(*w);
  deliver(hwnd, WM_MOUSEMOVE, 0, centre);
  deliver(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  deliver(hwnd, WM_LBUTTONUP, 0, centre);
}

// The move comes through the queue, as the mouse's input does, so that a message loop that
// relays mouse messages to a tooltip sees it.
void hover_centre(HWND hwnd) {
  WindowPtr w = find_window(hwnd);
  if (!w) return;
  LPARAM client = 0;
  if (HWND target = aim(hwnd, WM_MOUSEMOVE, centre_of(*w), &client)) PostMessageW(target, WM_MOUSEMOVE, 0, client);
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
