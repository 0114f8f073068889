#include "gdi/dc_text.h"

#include <algorithm>

#include "gdi/scaled_font.h"

namespace platform::gdi {

void draw_text_line(DeviceContext& dc, int x, int y, std::u16string_view text, const Rect* clip) {
  ScaledFont font(dc.font());
  Canvas canvas(*dc.surface);
  dc.prepare(canvas);
  if (clip) canvas.clip(*clip);
  if (dc.state.bk_mode == OPAQUE) canvas.fill({x, y, font.width(text), font.cell_height()}, color_of(dc.state.bk_color));
  canvas.text(font, x, y, text, color_of(dc.state.text_color));
  if (clip) canvas.leave();
}

TEXTMETRICW text_metrics(const Font& font) {
  ScaledFont scaled(font);
  TEXTMETRICW tm{};
  tm.tmHeight = scaled.cell_height();
  tm.tmAscent = scaled.baseline();
  tm.tmDescent = scaled.cell_height() - scaled.baseline();
  tm.tmInternalLeading = std::max(0, scaled.cell_height() - scaled.pixels_per_em());
  tm.tmAveCharWidth = dialog_base_units(font).cx;
  tm.tmMaxCharWidth = std::max(scaled.advance(U'W'), scaled.advance(U'M'));
  tm.tmWeight = font.weight;
  tm.tmDigitizedAspectX = 96;
  tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFFFC;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmItalic = font.italic ? 0xFF : 0;
  // A variable-pitch TrueType face of the Swiss family.
  tm.tmPitchAndFamily = 0x01 | 0x02 | 0x04 | FF_SWISS;
  tm.tmCharSet = ANSI_CHARSET;
  return tm;
}

}  // namespace platform::gdi
