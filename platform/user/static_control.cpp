// The Static class: text, icons, bitmaps and frames; it never takes the focus. It paints in its
// own WM_PAINT (DefWindowProc's painter for the class) on the brush its parent answers
// WM_CTLCOLORSTATIC with.
#include <windows.h>

#include <optional>

#include "user/controls.h"
#include "user/icons.h"
#include "user/update_region.h"
#include "user/window.h"

namespace platform::user::controls {
namespace {

struct StaticState : ControlState {
  HANDLE image = nullptr;
};

// The size an image shows at: a bitmap's own, an icon's as loaded (the standard ones 32 x 32).
std::optional<SIZE> image_size(const Window& w, HANDLE image) {
  if ((w.style & SS_TYPEMASK) == SS_ICON) {
    auto icon = static_cast<HICON>(image);
    if (auto loaded = icons::find(icon)) return loaded->size;
    if (icons::standard_id(icon)) return SIZE{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    return std::nullopt;
  }
  BITMAP bm;
  if (GetObjectW(image, sizeof bm, &bm) != sizeof bm) return std::nullopt;
  return SIZE{bm.bmWidth, bm.bmHeight};
}

// A bitmap or icon static takes its image's size, unless it centres the image in its own.
void fit_to_image(const Window& w, HANDLE image) {
  DWORD type = w.style & SS_TYPEMASK;
  if ((type != SS_BITMAP && type != SS_ICON) || (w.style & (SS_CENTERIMAGE | SS_REALSIZECONTROL))) return;
  if (std::optional<SIZE> size = image_size(w, image))
    SetWindowPos(w.hwnd, nullptr, 0, 0, size->cx, size->cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HANDLE set_image(Window& w, StaticState& s, HANDLE image) {
  HANDLE before = s.image;
  s.image = image;
  fit_to_image(w, image);
  paint::invalidate_control(w);
  return before;
}

// A bitmap static created with a name in its text loads that bitmap from its module.
void load_named_bitmap(Window& w, StaticState& s, const CREATESTRUCTW* cs) {
  if ((w.style & SS_TYPEMASK) != SS_BITMAP || !cs || !cs->lpszName || !cs->lpszName[0]) return;
  if (HANDLE image = LoadImageW(cs->hInstance, cs->lpszName, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))
    set_image(w, s, image);
}

}  // namespace

LRESULT CALLBACK static_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPtr w = find_window(hwnd);
  if (!w) return 0;
  StaticState& s = w->state_as<StaticState>();
  switch (msg) {
    case WM_CREATE:
      load_named_bitmap(*w, s, reinterpret_cast<const CREATESTRUCTW*>(lp));
      return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    // Only a static that notifies takes the mouse; others let it through to what lies below.
    case WM_NCHITTEST: return (w->style & SS_NOTIFY) ? DefWindowProcW(hwnd, msg, wp, lp) : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
      if (w->style & SS_NOTIFY) notify_parent(hwnd, STN_CLICKED);
      return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
      LRESULT result = DefWindowProcW(hwnd, msg, wp, lp);
      paint::invalidate_control(*w);
      return result;
    }
    case STM_SETICON: return LRESULT(set_image(*w, s, reinterpret_cast<HANDLE>(wp)));
    case STM_SETIMAGE: return LRESULT(set_image(*w, s, reinterpret_cast<HANDLE>(lp)));
    case STM_GETICON:
    case STM_GETIMAGE: return LRESULT(s.image);
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace platform::user::controls
