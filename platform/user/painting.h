// How windows of the system's classes look: a window as its painter sees it, and the painters
// of the classes, which the classes' WM_PAINT calls with the canvas of its DC.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "gdi/canvas.h"
#include "gdi/font.h"
#include "gdi/icon_image.h"
#include "gdi/surface.h"
#include "user/list_contents.h"

namespace platform::user {

// A window as it is painted: its class and styles decide its look.
struct Node {
  std::u16string class_name;  // "#32770" (dialog), "Button", "Edit", "Static", ...
  uint32_t style = 0;
  uint32_t exstyle = 0;
  std::u16string text;        // caption or control text (an edit's real text)
  gdi::Font font;
  bool enabled = true;
  bool focused = false;
  bool default_button = false;       // drawn with the thick frame of the default push button
  uint16_t icon = 0;                 // SS_ICON statics: IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK
  // SS_ICON statics: an icon from resources; captions: the window's small (or big) icon.
  std::shared_ptr<const gdi::IconImage> picture;
  std::shared_ptr<gdi::Surface> image;  // SS_BITMAP statics: the bitmap's pixels
  char16_t password_char = 0;        // edit controls with ES_PASSWORD
  uint32_t check = 0;                // check boxes and radio buttons: BST_CHECKED, BST_INDETERMINATE
  int range_low = 0, range_high = 0, position = 0;  // progress bars
  ListContents list;                 // list boxes
  // What the parent's WM_CTLCOLOR answer asked for: the background brush's colour (none for a
  // hollow brush) and the text colour it left in the DC.
  std::optional<gdi::Color> background;
  gdi::Color text_color = gdi::colors::kWindowText;
};

using Painter = void (*)(gdi::Canvas& canvas, const Node& node, const gdi::Rect& client);
// The painter of a window class the areas above the window system add (the common controls):
// set before main from a static object. Class names compare case-insensitively.
struct ClassPainter {
  ClassPainter(std::u16string_view class_name, Painter painter);
};

// The painter of a class, the system's own or an added one; null for the program's classes.
Painter painter_of(std::u16string_view class_name);

}  // namespace platform::user
