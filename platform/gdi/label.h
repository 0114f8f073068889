// Control text as DrawText paints it for buttons, statics and captions.
#pragma once

#include <string>
#include <string_view>

#include "gdi/canvas.h"
#include "gdi/font.h"

namespace platform::gdi {

enum class Align { left, center, right };

struct LabelLayout {
  Align align = Align::left;
  bool vertical_center = false;
  bool wrap = false;    // DT_WORDBREAK; otherwise line feeds only
  bool prefix = true;   // '&' marks a mnemonic, "&&" stands for '&'
};

// The text without its mnemonic marks. The underline stays hidden, as Windows shows it only
// once the user presses Alt.
std::u16string strip_prefix(std::u16string_view text);

// Paints text inside box (grey and embossed when disabled) and gives the bounds of the text.
Rect paint_label(Canvas& canvas, const Font& font, const Rect& box, std::u16string_view text,
                 const LabelLayout& layout, bool enabled, Color color = colors::kWindowText);

}  // namespace platform::gdi
