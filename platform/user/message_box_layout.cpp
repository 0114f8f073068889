#include "user/message_box_layout.h"

#include <algorithm>

#include "user/screen.h"

namespace platform::user {
namespace {

constexpr int kMargin = 11;
constexpr int kIcon = 32;
constexpr int kIconGap = 10;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kButtonPadding = 16;
constexpr int kTextToButtons = 14;
constexpr int kCaptionExtra = 48;  // room for the close box beside the caption text

}  // namespace

BoxLayout layout_box(const gdi::Font& font, const std::u16string& caption, const std::u16string& text, bool icon,
                     const std::vector<std::u16string>& button_texts) {
  BoxLayout box;
  const int wrap = int(screen::work_area().right * 5 / 8);
  gdi::Size measured = gdi::measure_wrapped(font, text, wrap);
  int text_left = kMargin + (icon ? kIcon + kIconGap : 0);
  int block = std::max(measured.cy, icon ? kIcon : 0);
  int text_top = kMargin + (block - measured.cy) / 2;
  box.text = RECT{text_left, text_top, text_left + measured.cx, text_top + measured.cy};
  if (icon) box.icon = RECT{kMargin, kMargin + (block - kIcon) / 2, kMargin + kIcon, kMargin + (block - kIcon) / 2 + kIcon};

  std::vector<int> widths;
  int row = 0;
  for (const std::u16string& label : button_texts) {
    widths.push_back(std::max(kButtonWidth, gdi::measure_line(font, label).cx + kButtonPadding));
    row += widths.back();
  }
  row += kButtonGap * int(widths.size() > 0 ? widths.size() - 1 : 0);

  int caption_width = gdi::measure_line(font, caption).cx + kCaptionExtra;
  int width = std::max({int(box.text.right) + kMargin, row + 2 * kMargin, caption_width});
  int buttons_top = kMargin + block + kTextToButtons;
  int x = (width - row) / 2;
  for (int w : widths) {
    box.buttons.push_back(RECT{x, buttons_top, x + w, buttons_top + kButtonHeight});
    x += w + kButtonGap;
  }
  box.client = SIZE{width, buttons_top + kButtonHeight + kMargin};
  return box;
}

}  // namespace platform::user
