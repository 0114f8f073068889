// BeginPaint and EndPaint, window DCs, and the update region's API.
#include <windows.h>

#include "gdi/device_context.h"
#include "user/deliver.h"
#include "user/paint_geometry.h"
#include "user/update_region.h"
#include "user/window_class.h"
#include "user/window_dc.h"

using namespace platform;
using namespace platform::user;

namespace {

// GetDC(NULL): a DC that measures and makes compatible objects; what is drawn on it goes nowhere.
HDC screen_dc() {
  static const auto nowhere = std::make_shared<gdi::Surface>(1, 1, gdi::colors::kWindow);
  return gdi::create_surface_dc(nowhere, {0, 0}, gdi::Region());
}

gdi::Region area_of(const Window& w, const RECT* rect) {
  return gdi::Region(rect ? paint::rect_of(*rect) : paint::client_area(w));
}

paint::Children children_of(UINT flags) {
  if (flags & RDW_ALLCHILDREN) return paint::Children::all;
  if (flags & RDW_NOCHILDREN) return paint::Children::none;
  return paint::Children::by_style;
}

}  // namespace

extern "C" {

// The non-client area first when it waits, then the background when the update asked for it:
// fErase tells the caller whether WM_ERASEBKGND left it to them.
HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint) {
  WindowPtr w = window_of(hWnd);
  if (!w || !lpPaint) return nullptr;
  if (w->frame_pending) {
    w->frame_pending = false;
    send(hWnd, WM_NCPAINT, 1, 0);
  }
  gdi::Region region = w->update;
  bool erase = w->erase_pending;
  paint::validate_all(*w);
  *lpPaint = PAINTSTRUCT{};
  lpPaint->hdc = paint::window_dc(*w, false, &region);
  lpPaint->rcPaint = paint::rect_of(region.bounds());
  // A minimised window of a class with an icon erases the icon's background instead.
  UINT erase_msg = (w->style & WS_MINIMIZE) && w->window_class->icon ? WM_ICONERASEBKGND : WM_ERASEBKGND;
  lpPaint->fErase = erase && !send(hWnd, erase_msg, WPARAM(lpPaint->hdc), 0);
  return lpPaint->hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* lpPaint) {
  if (lpPaint) gdi::delete_dc(lpPaint->hdc);
  return TRUE;
}

HDC WINAPI GetDC(HWND hWnd) {
  if (!hWnd) return screen_dc();
  WindowPtr w = window_of(hWnd);
  return w ? paint::window_dc(*w, false, nullptr) : nullptr;
}

HDC WINAPI GetWindowDC(HWND hWnd) {
  if (!hWnd) return screen_dc();
  WindowPtr w = window_of(hWnd);
  return w ? paint::window_dc(*w, true, nullptr) : nullptr;
}

int WINAPI ReleaseDC(HWND, HDC hDC) { return gdi::delete_dc(hDC) ? 1 : 0; }

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
  if (!hWnd) return TRUE;  // the whole desktop: nothing of it is this process's to paint
  return RedrawWindow(hWnd, lpRect, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
  if (!hWnd) return TRUE;
  return RedrawWindow(hWnd, lpRect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  if (lpRect) *lpRect = paint::rect_of(w->update.bounds());
  return !w->update.empty();
}

BOOL WINAPI UpdateWindow(HWND hWnd) { return RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Regions are not among the machine's GDI objects: hrgnUpdate is taken as absent.
BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN, UINT flags) {
  if (!hWnd) return TRUE;
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  if (flags & RDW_INVALIDATE)
    paint::invalidate(*w, area_of(*w, lprcUpdate), flags & RDW_ERASE, children_of(flags), flags & RDW_FRAME);
  if (flags & RDW_VALIDATE) {
    paint::validate(*w, area_of(*w, lprcUpdate));
    if (flags & RDW_NOFRAME) w->frame_pending = false;
  }
  if (flags & RDW_NOERASE) w->erase_pending = false;
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) paint::update_now(hWnd, children_of(flags) != paint::Children::none);
  return TRUE;
}

}  // extern "C"
