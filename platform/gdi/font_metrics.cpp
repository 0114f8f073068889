// Fonts by point size and the measures dialog layout takes from them.
#include <cmath>

#include "gdi/font.h"
#include "gdi/scaled_font.h"

namespace platform::gdi {

Font font_for_points(const std::u16string& face, int points, int weight, bool italic) {
  // The em height Windows asks for: -MulDiv(points, 96, 72), rounded half away from zero.
  int em = (points * 96 + 36) / 72;
  Font font;
  font.face = face;
  font.height_px = int(std::lround(em * cell_per_em(face)));
  font.weight = weight;
  font.italic = italic;
  return font;
}

Font message_font() { return font_for_points(u"Segoe UI", 9, 400, false); }

Size dialog_base_units(const Font& font) {
  ScaledFont scaled(font);
  int letters = scaled.width(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(letters / 26 + 1) / 2, scaled.cell_height()};
}

Size measure_line(const Font& font, std::u16string_view text) {
  ScaledFont scaled(font);
  return {scaled.width(text), scaled.cell_height()};
}

}  // namespace platform::gdi
