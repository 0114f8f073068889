// Memory DCs, selecting objects, saved states, and the DC's colours and modes.
#include <windows.h>

#include <utility>

#include "gdi/device_context.h"

using namespace platform::gdi;

namespace {

// A memory DC draws into the bitmap selected into it.
void draw_into(DeviceContext& dc, HGDIOBJ bitmap) {
  dc.state.bitmap = bitmap;
  auto selected = objects::find_as<BitmapObject>(bitmap);
  dc.surface = selected ? selected->surface : objects::find_as<BitmapObject>(default_bitmap())->surface;
  dc.clip.reset();
}

template <class Value, class Change>
Value exchange(HDC hdc, Value failed, Change change) {
  auto dc = dc_of(hdc);
  return dc ? change(dc->state) : failed;
}

}  // namespace

extern "C" {

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !dc_of(hdc)) return nullptr;
  auto dc = std::make_shared<DeviceContext>(true);
  dc->state.font = GetStockObject(SYSTEM_FONT);
  dc->state.brush = GetStockObject(WHITE_BRUSH);
  dc->state.pen = GetStockObject(BLACK_PEN);
  draw_into(*dc, default_bitmap());
  return static_cast<HDC>(objects::add(dc));
}

BOOL WINAPI DeleteDC(HDC hdc) { return delete_dc(hdc); }

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  auto dc = dc_of(hdc);
  std::shared_ptr<Object> object = objects::find(h);
  if (!dc || !object) return nullptr;
  HGDIOBJ before = nullptr;
  switch (object->type) {
    case OBJ_FONT: before = std::exchange(dc->state.font, h); break;
    case OBJ_BRUSH: before = std::exchange(dc->state.brush, h); break;
    case OBJ_PEN: before = std::exchange(dc->state.pen, h); break;
    case OBJ_BITMAP:
      if (!dc->memory()) return nullptr;
      before = dc->state.bitmap;
      draw_into(*dc, h);
      break;
    default: return nullptr;
  }
  return before;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  auto dc = dc_of(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_FONT: return dc->state.font;
    case OBJ_BRUSH: return dc->state.brush;
    case OBJ_PEN: return dc->state.pen;
    case OBJ_BITMAP: return dc->state.bitmap;
    default: return nullptr;
  }
}

int WINAPI SaveDC(HDC hdc) {
  auto dc = dc_of(hdc);
  if (!dc) return 0;
  dc->saved.push_back(dc->state);
  return int(dc->saved.size());
}

// A positive level names a saved state, a negative one counts back from the latest.
BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
  auto dc = dc_of(hdc);
  if (!dc) return FALSE;
  int count = int(dc->saved.size());
  int level = nSavedDC < 0 ? count + 1 + nSavedDC : nSavedDC;
  if (level < 1 || level > count) return FALSE;
  DcState restored = dc->saved[size_t(level - 1)];
  dc->saved.resize(size_t(level - 1));
  if (dc->memory() && restored.bitmap != dc->state.bitmap) draw_into(*dc, restored.bitmap);
  dc->state = restored;
  return TRUE;
}

// The desktop's display: 96 DPI, 32 bits a pixel.
int WINAPI GetDeviceCaps(HDC hdc, int index) {
  if (!dc_of(hdc)) return 0;
  switch (index) {
    case TECHNOLOGY: return DT_RASDISPLAY;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
  }
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return exchange(hdc, CLR_INVALID, [&](DcState& s) { return std::exchange(s.text_color, color); });
}
COLORREF WINAPI GetTextColor(HDC hdc) {
  return exchange(hdc, CLR_INVALID, [](DcState& s) { return s.text_color; });
}
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return exchange(hdc, CLR_INVALID, [&](DcState& s) { return std::exchange(s.bk_color, color); });
}
COLORREF WINAPI GetBkColor(HDC hdc) {
  return exchange(hdc, CLR_INVALID, [](DcState& s) { return s.bk_color; });
}
int WINAPI SetBkMode(HDC hdc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return exchange(hdc, 0, [&](DcState& s) { return std::exchange(s.bk_mode, mode); });
}
int WINAPI GetBkMode(HDC hdc) {
  return exchange(hdc, 0, [](DcState& s) { return s.bk_mode; });
}
UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
  return exchange(hdc, UINT(GDI_ERROR), [&](DcState& s) { return std::exchange(s.text_align, align); });
}
UINT WINAPI GetTextAlign(HDC hdc) {
  return exchange(hdc, UINT(GDI_ERROR), [](DcState& s) { return s.text_align; });
}

}  // extern "C"
