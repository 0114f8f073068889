// Where the parts of a message box go, in client pixels: the icon at the top left, the text
// beside it wrapped to a width that suits the screen, the buttons centred in a row below.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

#include "gdi/font.h"

namespace platform::user {

struct BoxLayout {
  SIZE client{};
  RECT icon{};  // empty without an icon
  RECT text{};
  std::vector<RECT> buttons;  // left to right
};

BoxLayout layout_box(const gdi::Font& font, const std::u16string& caption, const std::u16string& text, bool icon,
                     const std::vector<std::u16string>& button_texts);

}  // namespace platform::user
