#include "gdi/label.h"

#include <algorithm>

#include "gdi/text_layout.h"

namespace platform::gdi {

std::u16string strip_prefix(std::u16string_view text) {
  std::u16string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    else if (text[i] == u'&') continue;
    plain += text[i];
  }
  return plain;
}

Rect paint_label(Canvas& canvas, const Font& font, const Rect& box, std::u16string_view text,
                 const LabelLayout& layout, bool enabled, Color color) {
  ScaledFont scaled(font);
  std::u16string plain = layout.prefix ? strip_prefix(text) : std::u16string(text);
  std::vector<std::u16string_view> lines =
      layout.wrap ? wrap_lines(scaled, plain, box.cx) : split_lines(plain);
  int height = int(lines.size()) * scaled.cell_height();
  int top = layout.vertical_center ? box.y + (box.cy - height) / 2 : box.y;

  int left = box.right();
  int right = box.x;
  int y = top;
  for (std::u16string_view line : lines) {
    int width = scaled.width(line);
    int x = box.x;
    if (layout.align == Align::center) x += (box.cx - width) / 2;
    if (layout.align == Align::right) x += box.cx - width;
    if (enabled) {
      canvas.text(scaled, x, y, line, color);
    } else {
      canvas.text(scaled, x + 1, y + 1, line, colors::kBtnHighlight);
      canvas.text(scaled, x, y, line, colors::kGrayText);
    }
    left = std::min(left, x);
    right = std::max(right, x + width);
    y += scaled.cell_height();
  }
  return {left, top, std::max(0, right - left), height};
}

}  // namespace platform::gdi
