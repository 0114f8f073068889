#include "user/geometry.h"

#include "user/deliver.h"
#include "user/frame.h"

namespace platform::user::geometry {
namespace {

void shift(Window& w, int dx, int dy) {
  w.rect.left += dx;
  w.rect.right += dx;
  w.rect.top += dy;
  w.rect.bottom += dy;
  for (HWND child : w.children)
    if (WindowPtr c = find_window(child)) shift(*c, dx, dy);
}

}  // namespace

POINT client_origin(const Window& w) {
  RECT in = frame::insets(w.style, w.exstyle);
  return {w.rect.left + in.left, w.rect.top + in.top};
}

RECT client_rect_on_screen(const Window& w) {
  RECT in = frame::insets(w.style, w.exstyle);
  RECT r{w.rect.left + in.left, w.rect.top + in.top, w.rect.right - in.right, w.rect.bottom - in.bottom};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

RECT from_parent_coordinates(const Window& w, int x, int y, int cx, int cy) {
  POINT o{0, 0};
  if (WindowPtr parent = find_window(w.parent)) o = client_origin(*parent);
  return RECT{o.x + x, o.y + y, o.x + x + cx, o.y + y + cy};
}

void place(Window& w, const RECT& rect) {
  bool moved = rect.left != w.rect.left || rect.top != w.rect.top;
  bool sized = rect.right - rect.left != w.rect.right - w.rect.left || rect.bottom - rect.top != w.rect.bottom - w.rect.top;
  shift(w, rect.left - w.rect.left, rect.top - w.rect.top);
  w.rect.right = rect.right;
  w.rect.bottom = rect.bottom;
  RECT client = client_rect_on_screen(w);
  if (moved) {
    POINT o = client_origin(w);
    if (WindowPtr parent = find_window(w.parent)) {
      POINT po = client_origin(*parent);
      o = {o.x - po.x, o.y - po.y};
    }
    send(w.hwnd, WM_MOVE, 0, MAKELONG(o.x, o.y));
  }
  if (sized) send(w.hwnd, WM_SIZE, (w.style & WS_MINIMIZE) ? SIZE_MINIMIZED : SIZE_RESTORED, MAKELONG(client.right - client.left, client.bottom - client.top));
}

}  // namespace platform::user::geometry
