// Windows painted with cairo: a window tree as it is painted, each window's look decided by its
// class, and the tree painted into a PNG.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gdi/canvas.h"
#include "gdi/font.h"

namespace platform::user {

// A window as it is painted: its class and styles decide its look.
struct Node {
  std::u16string class_name;  // "#32770" (dialog), "Button", "Edit", "Static", ...
  uint32_t style = 0;
  uint32_t exstyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // window rectangle, screen pixels
  std::u16string text;               // caption or control text (an edit's real text)
  gdi::Font font;
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


using Painter = void (*)(gdi::Canvas& canvas, const Node& node, const gdi::Rect& client);
// The painter of a window class the areas above the window system add (the common controls):
// set before main from a static object. Class names compare case-insensitively.
struct ClassPainter {
  ClassPainter(std::u16string_view class_name, Painter painter);
};

// Paints `top` (a top-level window with its frame and caption when its style has them) and its
// visible children into a PNG of the window's size. False when the file cannot be written.
bool render_png(const Node& top, const std::string& png_path);

}  // namespace platform::user
