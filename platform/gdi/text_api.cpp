// Text through a DC: TextOut, ExtTextOut, measures and metrics.
#include <windows.h>

#include <cstring>

#include "gdi/dc_text.h"
#include "gdi/scaled_font.h"
#include "kernel/text.h"

using namespace platform;
using namespace platform::gdi;

namespace {

std::u16string_view wide_text(LPCWSTR s, int c) {
  if (!s || c <= 0) return {};
  return {reinterpret_cast<const char16_t*>(s), size_t(c)};
}

std::u16string ansi_text(LPCSTR s, int c) {
  if (!s || c <= 0) return {};
  return text::from_ansi(std::string_view(s, size_t(c)));
}

// The cell's top left for the DC's text alignment.
POINT aligned(const DeviceContext& dc, int x, int y, std::u16string_view s) {
  ScaledFont font(dc.font());
  UINT align = dc.state.text_align;
  if ((align & TA_CENTER) == TA_CENTER) x -= font.width(s) / 2;
  else if (align & TA_RIGHT) x -= font.width(s);
  if ((align & TA_BASELINE) == TA_BASELINE) y -= font.baseline();
  else if (align & TA_BOTTOM) y -= font.cell_height();
  return {x, y};
}

BOOL text_out(HDC hdc, int x, int y, std::u16string_view s) {
  auto dc = dc_of(hdc);
  if (!dc) return FALSE;
  POINT at = aligned(*dc, x, y, s);
  draw_text_line(*dc, at.x, at.y, s);
  return TRUE;
}

BOOL extent(HDC hdc, std::u16string_view s, LPSIZE size) {
  auto dc = dc_of(hdc);
  if (!dc || !size) return FALSE;
  ScaledFont font(dc->font());
  *size = SIZE{font.width(s), font.cell_height()};
  return TRUE;
}

}  // namespace

extern "C" {

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) { return text_out(hdc, x, y, wide_text(lpString, c)); }
BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) { return text_out(hdc, x, y, ansi_text(lpString, c)); }

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c, const INT*) {
  auto dc = dc_of(hdc);
  if (!dc) return FALSE;
  std::u16string_view s = wide_text(lpString, int(c));
  Rect box{};
  if (lprect) box = {lprect->left, lprect->top, lprect->right - lprect->left, lprect->bottom - lprect->top};
  if (lprect && (options & ETO_OPAQUE)) {
    Canvas canvas(*dc->surface);
    dc->prepare(canvas);
    canvas.fill(box, color_of(dc->state.bk_color));
  }
  POINT at = aligned(*dc, x, y, s);
  draw_text_line(*dc, at.x, at.y, s, lprect && (options & ETO_CLIPPED) ? &box : nullptr);
  return TRUE;
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
  return extent(hdc, wide_text(lpString, c), psizl);
}
BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
  return extent(hdc, ansi_text(lpString, c), psizl);
}

BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
  auto dc = dc_of(hdc);
  if (!dc || !lptm) return FALSE;
  *lptm = text_metrics(dc->font());
  return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  TEXTMETRICW w;
  if (!lptm || !GetTextMetricsW(hdc, &w)) return FALSE;
  std::memcpy(lptm, &w, offsetof(TEXTMETRICW, tmFirstChar));
  lptm->tmFirstChar = 0x20;
  lptm->tmLastChar = 0xFF;
  lptm->tmDefaultChar = 0x1F;
  lptm->tmBreakChar = 0x20;
  lptm->tmItalic = w.tmItalic;
  lptm->tmUnderlined = w.tmUnderlined;
  lptm->tmStruckOut = w.tmStruckOut;
  lptm->tmPitchAndFamily = w.tmPitchAndFamily;
  lptm->tmCharSet = w.tmCharSet;
  return TRUE;
}

}  // extern "C"
