// IP address controls: a white field (grey when disabled) in the sunken frame of an edit, which
// the control draws itself when its window has no border, with the four numbers centred in their
// quarters and the dots between them.
#include <windows.h>

#include "comctl/painters.h"
#include "gdi/scaled_font.h"

namespace platform::comctl {

using namespace gdi;
using user::Node;

void paint_ip_address(Canvas& canvas, const Node& node, const Rect& frame) {
  canvas.fill(frame, node.enabled ? colors::kWindow : colors::kBtnFace);
  bool bordered = (node.style & WS_BORDER) || (node.exstyle & WS_EX_CLIENTEDGE);
  if (!bordered) canvas.sunken(frame);
  Rect client = bordered ? frame : frame.inset(2);
  ScaledFont font(node.font);
  Color color = node.enabled ? colors::kWindowText : colors::kGrayText;
  int quarter = client.cx / 4;
  int y = client.y + (client.cy - font.cell_height()) / 2;
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    size_t dot = node.text.find(u'.', start);
    size_t count = dot == std::u16string::npos ? std::u16string::npos : dot - start;
    std::u16string_view field = std::u16string_view(node.text).substr(start, count);
    start = dot == std::u16string::npos ? node.text.size() : dot + 1;
    int x = client.x + i * quarter;
    canvas.text(font, x + (quarter - font.width(field)) / 2, y, field, color);
    if (i < 3) canvas.text(font, x + quarter - font.width(u".") / 2, y, u".", color);
  }
}

}  // namespace platform::comctl
