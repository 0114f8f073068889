// Painting of windows with cairo: the fonts the desktop draws with, their measures (dialog
// units and message-box layout need them), and a window tree painted into a PNG.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::gdi {

// A font as a window uses it: face as the program names it ("MS Shell Dlg", "Arial", ...; the
// renderer maps it to Liberation Sans), cell height in pixels at 96 DPI, weight 100..900.
struct Font {
  std::u16string face = u"MS Shell Dlg";
  int height_px = 13;
  int weight = 400;
  bool italic = false;
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

// A window as it is painted: its class and styles decide its look.
struct Node {
  std::u16string class_name;  // "#32770" (dialog), "Button", "Edit", "Static", ...
  uint32_t style = 0;
  uint32_t exstyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // window rectangle, screen pixels
  std::u16string text;               // caption or control text (an edit's real text)
  Font font;
  bool enabled = true;
  bool visible = true;
  bool focused = false;
  bool default_button = false;       // drawn with the thick frame of the default push button
  uint16_t icon = 0;                 // SS_ICON statics: IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK
  char16_t password_char = 0;        // edit controls with ES_PASSWORD
  std::vector<Node> children;
  uint32_t check = 0;                // check boxes and radio buttons: BST_CHECKED, BST_INDETERMINATE
  int range_low = 0, range_high = 0, position = 0;  // progress bars
};

// Paints `top` (a top-level window with its frame and caption when its style has them) and its
// visible children into a PNG of the window's size. False when the file cannot be written.
bool render_png(const Node& top, const std::string& png_path);

}  // namespace platform::gdi
