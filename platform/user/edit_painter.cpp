// Edit controls: a field in the parent's brush (by default white, or the dialog's grey when
// read-only or disabled), the text or the password characters standing for it, and the caret
// when focused.
#include <windows.h>

#include "user/painters.h"
#include "gdi/scaled_font.h"
#include "gdi/text_layout.h"

namespace platform::user {

using namespace gdi;
namespace {

constexpr int kMargin = 2;  // left and right of the text, as the margins a dialog font gives

std::u16string shown_text(const Node& node) {
  if ((node.style & ES_PASSWORD) && !(node.style & ES_MULTILINE))
    return std::u16string(node.text.size(), node.password_char ? node.password_char : u'*');
  return node.text;
}

}  // namespace

void paint_edit(Canvas& canvas, const Node& node, const Rect& client) {
  bool grey = !node.enabled || (node.style & ES_READONLY);
  canvas.fill(client, node.background.value_or(grey ? colors::kBtnFace : colors::kWindow));

  ScaledFont font(node.font);
  std::u16string text = shown_text(node);
  bool multiline = node.style & ES_MULTILINE;
  bool wrap = multiline && !(node.style & (ES_AUTOHSCROLL | WS_HSCROLL));
  Rect area{client.x + kMargin, client.y, client.cx - 2 * kMargin, client.cy};
  std::vector<std::u16string_view> lines;
  if (!multiline) lines.push_back(text);
  else lines = wrap ? wrap_lines(font, text, area.cx) : split_lines(text);

  // A single line sits in the middle of the field; more lines start at its top.
  int y = multiline ? area.y + 1 : area.y + (area.cy - font.cell_height()) / 2;
  int caret_x = area.x;
  int caret_y = y;
  Color color = node.enabled ? node.text_color : colors::kGrayText;
  for (std::u16string_view line : lines) {
    int width = font.width(line);
    int x = area.x;
    if ((node.style & ES_RIGHT) == ES_RIGHT) x = area.right() - width;
    else if (node.style & ES_CENTER) x = area.x + (area.cx - width) / 2;
    canvas.text(font, x, y, line, color);
    caret_x = x + width;
    caret_y = y;
    y += font.cell_height();
  }
  if (node.focused && node.enabled)
    canvas.fill({caret_x, caret_y, 1, font.cell_height()}, colors::kWindowText);
}

}  // namespace platform::user
