// Window rectangles, moves, the z-order of children and coordinate mapping.
#include <algorithm>
#include <vector>

#include <windows.h>

#include "user/geometry.h"
#include "user/screen.h"
#include "user/update_region.h"
#include "user/window_table.h"

using namespace platform;
using namespace platform::user;

namespace {

// The client origin of `hwnd` on the screen; the desktop's is (0, 0).
bool origin(HWND hwnd, POINT* o) {
  if (!hwnd || hwnd == table::desktop_handle()) {
    *o = {0, 0};
    return true;
  }
  WindowPtr w = window_of(hwnd);
  if (!w) return false;
  *o = geometry::client_origin(*w);
  return true;
}

// Places the window and, unless told not to, has what it uncovered and the window paint again.
void place_and_repaint(Window& w, const RECT& at, bool repaint) {
  RECT before = w.rect;
  geometry::place(w, at);
  bool same = before.left == w.rect.left && before.top == w.rect.top && before.right == w.rect.right &&
              before.bottom == w.rect.bottom;
  if (repaint && !same) paint::placement_changed(w, before);
}

}  // namespace

extern "C" {

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  if (!lpRect) return FALSE;
  if (hWnd == table::desktop_handle()) {
    SIZE s = screen::size();
    *lpRect = RECT{0, 0, s.cx, s.cy};
    return TRUE;
  }
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  *lpRect = w->rect;
  return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  if (!lpRect) return FALSE;
  if (hWnd == table::desktop_handle()) return GetWindowRect(hWnd, lpRect);
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  RECT c = geometry::client_rect_on_screen(*w);
  *lpRect = RECT{0, 0, c.right - c.left, c.bottom - c.top};
  return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  place_and_repaint(*w, geometry::from_parent_coordinates(*w, X, Y, nWidth, nHeight), bRepaint);
  return TRUE;
}

namespace {

// A child's place among its siblings: the list runs from the top of the z-order down, which is
// also the order in which overlapping siblings paint (a lower one paints over a higher one that
// does not clip it away) and the tab order.
void place_in_z_order(const Window& w, HWND insert_after) {
  WindowPtr parent = find_window(w.parent);
  if (!parent || insert_after == HWND_TOPMOST || insert_after == HWND_NOTOPMOST) return;
  std::vector<HWND>& siblings = parent->children;
  if (insert_after != HWND_TOP && insert_after != HWND_BOTTOM &&
      std::find(siblings.begin(), siblings.end(), insert_after) == siblings.end())
    return;
  std::erase(siblings, w.hwnd);
  if (insert_after == HWND_TOP)
    siblings.insert(siblings.begin(), w.hwnd);
  else if (insert_after == HWND_BOTTOM)
    siblings.push_back(w.hwnd);
  else
    siblings.insert(std::find(siblings.begin(), siblings.end(), insert_after) + 1, w.hwnd);
}

}  // namespace

BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  if (!(uFlags & SWP_NOZORDER) && (w->style & WS_CHILD) && hWndInsertAfter != hWnd)
    place_in_z_order(*w, hWndInsertAfter);
  RECT now = w->rect;
  RECT at = geometry::from_parent_coordinates(*w, X, Y, cx, cy);
  if (uFlags & SWP_NOMOVE) at = RECT{now.left, now.top, now.left + (at.right - at.left), now.top + (at.bottom - at.top)};
  if (uFlags & SWP_NOSIZE) at = RECT{at.left, at.top, at.left + (now.right - now.left), at.top + (now.bottom - now.top)};
  place_and_repaint(*w, at, !(uFlags & SWP_NOREDRAW));
  if (uFlags & SWP_SHOWWINDOW) ShowWindow(hWnd, (uFlags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
  if (uFlags & SWP_HIDEWINDOW) ShowWindow(hWnd, SW_HIDE);
  return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  POINT o;
  if (!lpPoint || !origin(hWnd, &o)) return FALSE;
  lpPoint->x -= o.x;
  lpPoint->y -= o.y;
  return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  POINT o;
  if (!lpPoint || !origin(hWnd, &o)) return FALSE;
  lpPoint->x += o.x;
  lpPoint->y += o.y;
  return TRUE;
}

// Returns the horizontal shift in the low word and the vertical one in the high word.
int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
  POINT from, to;
  if (!origin(hWndFrom, &from) || !origin(hWndTo, &to)) return 0;
  int dx = from.x - to.x, dy = from.y - to.y;
  for (UINT i = 0; lpPoints && i < cPoints; ++i) {
    lpPoints[i].x += dx;
    lpPoints[i].y += dy;
  }
  SetLastError(0);
  return MAKELONG(dx, dy);
}

BOOL WINAPI SystemParametersInfoW(UINT uiAction, UINT, PVOID pvParam, UINT) {
  if (uiAction != SPI_GETWORKAREA || !pvParam) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *static_cast<RECT*>(pvParam) = screen::work_area();
  return TRUE;
}

BOOL WINAPI SystemParametersInfoA(UINT uiAction, UINT uiParam, PVOID pvParam, UINT fWinIni) {
  return SystemParametersInfoW(uiAction, uiParam, pvParam, fWinIni);
}

}  // extern "C"
