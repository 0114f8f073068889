// SysLink controls: the text on the dialog's face with the links in blue, laid out line by line
// (words wrap at the control's width).
#include <windows.h>

#include "comctl/link_markup.h"
#include "comctl/painters.h"
#include "gdi/scaled_font.h"

namespace platform::comctl {

using namespace gdi;
using user::Node;
namespace {

constexpr Color kLinkColor{0x00, 0x66, 0xCC};

}  // namespace

void paint_link(Canvas& canvas, const Node& node, const Rect& client) {
  ScaledFont font(node.font);
  int x = client.x, y = client.y;
  for (const comctl::LinkRun& run : comctl::parse_link_markup(node.text).runs) {
    Color color = !node.enabled ? colors::kGrayText : run.link >= 0 ? kLinkColor : colors::kWindowText;
    // Word by word, each with the blank after it.
    size_t i = 0;
    while (i < run.text.size()) {
      size_t end = run.text.find(u' ', i);
      end = end == std::u16string::npos ? run.text.size() : end + 1;
      std::u16string_view word = std::u16string_view(run.text).substr(i, end - i);
      int width = font.width(word);
      if (x > client.x && x + width > client.right()) {
        x = client.x;
        y += font.cell_height();
      }
      canvas.text(font, x, y, word, color);
      if (run.link >= 0) canvas.fill({x, y + font.cell_height() - 2, font.width(word), 1}, color);
      x += width;
      i = end;
    }
  }
}

}  // namespace platform::comctl
