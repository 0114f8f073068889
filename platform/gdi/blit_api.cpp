// Bit-block transfers (BitBlt, StretchBlt, PatBlt, TransparentBlt) and single pixels, pixel by
// pixel through the destination's clip.
#include <windows.h>

#include <optional>

#include "gdi/device_context.h"

using namespace platform::gdi;

namespace {

struct Area {
  int x, y, cx, cy;  // logical units of its DC
};

// The pattern operations take the brush's colour; a hollow brush paints nothing.
std::optional<uint32_t> brush_pixel(const DeviceContext& dc) {
  auto brush = objects::find_as<BrushObject>(dc.state.brush);
  if (!brush || brush->log.lbStyle == BS_NULL) return std::nullopt;
  return pixel_of(brush->log.lbColor);
}

std::optional<uint32_t> combine(DWORD rop, uint32_t dest, uint32_t source, std::optional<uint32_t> pattern) {
  switch (rop) {
    case SRCCOPY: return source;
    case SRCPAINT: return dest | source;
    case SRCAND: return dest & source;
    case SRCINVERT: return dest ^ source;
    case SRCERASE: return source & ~dest & 0xFFFFFF;
    case NOTSRCCOPY: return ~source & 0xFFFFFF;
    case DSTINVERT: return ~dest & 0xFFFFFF;
    case PATCOPY: return pattern;
    case BLACKNESS: return 0u;
    case WHITENESS: return 0xFFFFFFu;
    default: return std::nullopt;
  }
}

bool uses_source(DWORD rop) { return rop != PATCOPY && rop != BLACKNESS && rop != WHITENESS && rop != DSTINVERT; }

// Copies `from` (stretched to `to`) by `rop`; source pixels of the colour `transparent` leave
// the destination as it is.
BOOL transfer(HDC to_dc, Area to, HDC from_dc, Area from, DWORD rop, std::optional<uint32_t> transparent) {
  auto dest = dc_of(to_dc);
  if (!dest || to.cx < 0 || to.cy < 0) return FALSE;
  std::shared_ptr<DeviceContext> source;
  if (uses_source(rop)) {
    source = dc_of(from_dc);
    if (!source || from.cx <= 0 || from.cy <= 0) return FALSE;
  }
  std::optional<uint32_t> pattern = brush_pixel(*dest);
  dest->surface->flush();
  if (source) source->surface->flush();
  for (int j = 0; j < to.cy; ++j) {
    int y = dest->origin.y + to.y + j;
    for (int i = 0; i < to.cx; ++i) {
      int x = dest->origin.x + to.x + i;
      if (!dest->drawable(x, y)) continue;
      uint32_t s = 0;
      if (source) {
        int sx = source->origin.x + from.x + i * from.cx / to.cx;
        int sy = source->origin.y + from.y + j * from.cy / to.cy;
        if (sx < 0 || sy < 0 || sx >= source->surface->width() || sy >= source->surface->height()) continue;
        s = source->surface->row(sy)[sx] & 0xFFFFFF;
        if (transparent && s == *transparent) continue;
      }
      uint32_t& d = dest->surface->row(y)[x];
      if (std::optional<uint32_t> result = combine(rop, d & 0xFFFFFF, s, pattern)) d = *result;
    }
  }
  dest->surface->changed();
  return TRUE;
}

}  // namespace

extern "C" {

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  return transfer(hdc, {x, y, cx, cy}, hdcSrc, {x1, y1, cx, cy}, rop, std::nullopt);
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop) {
  return transfer(hdcDest, {xDest, yDest, wDest, hDest}, hdcSrc, {xSrc, ySrc, wSrc, hSrc}, rop, std::nullopt);
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  if (uses_source(rop)) return FALSE;
  return transfer(hdc, {x, y, w, h}, nullptr, {}, rop, std::nullopt);
}

BOOL WINAPI TransparentBlt(HDC hdcDest, int xoriginDest, int yoriginDest, int wDest, int hDest, HDC hdcSrc,
                           int xoriginSrc, int yoriginSrc, int wSrc, int hSrc, UINT crTransparent) {
  return transfer(hdcDest, {xoriginDest, yoriginDest, wDest, hDest}, hdcSrc, {xoriginSrc, yoriginSrc, wSrc, hSrc},
                  SRCCOPY, pixel_of(crTransparent & 0xFFFFFF));
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  auto dc = dc_of(hdc);
  if (!dc) return CLR_INVALID;
  int sx = dc->origin.x + x, sy = dc->origin.y + y;
  if (!dc->drawable(sx, sy)) return CLR_INVALID;
  dc->surface->flush();
  return colorref_of(dc->surface->row(sy)[sx] & 0xFFFFFF);
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  auto dc = dc_of(hdc);
  if (!dc) return CLR_INVALID;
  int sx = dc->origin.x + x, sy = dc->origin.y + y;
  if (!dc->drawable(sx, sy)) return CLR_INVALID;
  dc->surface->flush();
  dc->surface->row(sy)[sx] = pixel_of(color & 0xFFFFFF);
  dc->surface->changed();
  return color & 0xFFFFFF;
}

}  // extern "C"
