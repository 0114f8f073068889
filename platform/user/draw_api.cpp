// FillRect, FrameRect and DrawText: user32's drawing on a DC.
#include <windows.h>

#include <algorithm>
#include <optional>

#include "gdi/dc_text.h"
#include "gdi/label.h"
#include "gdi/scaled_font.h"
#include "gdi/text_layout.h"
#include "kernel/text.h"
#include "user/paint_geometry.h"
#include "user/sys_colors.h"

using namespace platform;

namespace {

// Runs `draw` on a canvas over the DC when the brush paints a colour.
template <class Draw>
int with_brush(HDC hdc, const RECT* rect, HBRUSH brush, Draw draw) {
  auto dc = gdi::dc_of(hdc);
  if (!dc || !rect) return 0;
  if (std::optional<COLORREF> color = user::colors::brush_color(brush)) {
    gdi::Canvas canvas(*dc->surface);
    dc->prepare(canvas);
    draw(canvas, user::paint::rect_of(*rect), gdi::color_of(*color));
  }
  return 1;
}

std::vector<std::u16string_view> lines_of(const gdi::ScaledFont& font, std::u16string_view text, UINT format,
                                          int width) {
  if (format & DT_SINGLELINE) return {text};
  if (format & DT_WORDBREAK) return gdi::wrap_lines(font, text, width);
  return gdi::split_lines(text);
}

// The text's height; with DT_VCENTER or DT_BOTTOM, from the rectangle's top to the text's bottom.
int draw_text(HDC hdc, std::u16string_view text, LPRECT rect, UINT format) {
  auto dc = gdi::dc_of(hdc);
  if (!dc || !rect) return 0;
  gdi::ScaledFont font(dc->font());
  std::u16string shown = (format & DT_NOPREFIX) ? std::u16string(text) : gdi::strip_prefix(text);
  gdi::Rect box = user::paint::rect_of(*rect);
  std::vector<std::u16string_view> lines = lines_of(font, shown, format, box.cx);
  int height = int(lines.size()) * font.cell_height();
  if (format & DT_CALCRECT) {
    int width = 0;
    for (std::u16string_view line : lines) width = std::max(width, font.width(line));
    rect->right = rect->left + width;
    rect->bottom = rect->top + height;
    return height;
  }
  int top = box.y;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) top = box.y + (box.cy - height) / 2;
    else if (format & DT_BOTTOM) top = box.bottom() - height;
  }
  const gdi::Rect* clip = (format & DT_NOCLIP) ? nullptr : &box;
  int y = top;
  for (std::u16string_view line : lines) {
    int x = box.x;
    if (format & DT_CENTER) x += (box.cx - font.width(line)) / 2;
    else if (format & DT_RIGHT) x += box.cx - font.width(line);
    gdi::draw_text_line(*dc, x, y, line, clip);
    y += font.cell_height();
  }
  return (format & (DT_VCENTER | DT_BOTTOM)) ? top - box.y + height : height;
}

std::u16string_view counted(LPCWSTR s, int c) {
  if (!s) return {};
  auto text = reinterpret_cast<const char16_t*>(s);
  return c < 0 ? std::u16string_view(text) : std::u16string_view(text, size_t(c));
}

}  // namespace

extern "C" {

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  return with_brush(hDC, lprc, hbr, [](gdi::Canvas& c, const gdi::Rect& r, gdi::Color color) { c.fill(r, color); });
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  return with_brush(hDC, lprc, hbr, [](gdi::Canvas& c, const gdi::Rect& r, gdi::Color color) { c.outline(r, color); });
}

int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  return draw_text(hdc, counted(lpchText, cchText), lprc, format);
}

int WINAPI DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  std::string_view ansi = !lpchText ? std::string_view() : cchText < 0 ? std::string_view(lpchText)
                                                                        : std::string_view(lpchText, size_t(cchText));
  return draw_text(hdc, text::from_ansi(ansi), lprc, format);
}

}  // extern "C"
