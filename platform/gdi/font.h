// The fonts the desktop draws with and their measures (dialog units and message-box layout
// need them).
#pragma once

#include <string>
#include <string_view>

namespace platform::gdi {

// A font as a window uses it: face as the program names it ("MS Shell Dlg", "Arial", ...; the
// renderer maps it to Liberation Sans), cell height in pixels at 96 DPI, weight 100..900.
struct Font {
  std::u16string face = u"MS Shell Dlg";
  int height_px = 13;
  int weight = 400;
  bool italic = false;
  bool underline = false;
};

// The font of a dialog template: point size at 96 DPI (8 pt is a 13-pixel cell; Windows' -MulDiv(pt, 96, 72)).
Font font_for_points(const std::u16string& face, int points, int weight, bool italic);
// The system's message-box and default GUI font.
Font message_font();

struct Size {
  int cx = 0;
  int cy = 0;
};
// Windows' dialog base units for this font: the average width of "A".."Z" "a".."z" rounded
// (cx) and the text metric height (cy); MapDialogRect uses them.
Size dialog_base_units(const Font& font);
// One line of text, no wrapping.
Size measure_line(const Font& font, std::u16string_view text);
// Text wrapped at word breaks to `max_width` (DT_WORDBREAK), line feeds honoured. Both measures
// take the text as it is: a '&' is a character here (DT_NOPREFIX). Liberation Sans missing
// throws std::runtime_error.
Size measure_wrapped(const Font& font, std::u16string_view text, int max_width);

}  // namespace platform::gdi
