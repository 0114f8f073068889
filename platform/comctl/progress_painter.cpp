// Progress bars: a sunken trough filled in green up to the position, from the bottom when
// vertical; a marquee bar shows a moving block instead.
#include <windows.h>
#include <commctrl.h>

#include "comctl/painters.h"

namespace platform::comctl {

using namespace gdi;
using user::Node;
namespace {

constexpr Color kTrough{0xE6, 0xE6, 0xE6};
constexpr Color kBar{0x06, 0xB0, 0x25};

}  // namespace

void paint_progress(Canvas& canvas, const Node& node, const Rect& client) {
  canvas.fill(client, kTrough);
  canvas.outline(client, colors::kBtnShadow);
  Rect inside = client.inset(1);
  bool vertical = node.style & PBS_VERTICAL;
  int length = vertical ? inside.cy : inside.cx;
  int filled = 0;
  if (node.style & PBS_MARQUEE) {
    filled = length / 4;  // the block stands still in a picture
  } else if (node.range_high > node.range_low) {
    filled = int((long long)(node.position - node.range_low) * length / (node.range_high - node.range_low));
  }
  if (filled <= 0) return;
  if (vertical) canvas.fill({inside.x, inside.bottom() - filled, inside.cx, filled}, kBar);
  else canvas.fill({inside.x, inside.y, filled, inside.cy}, kBar);
}

}  // namespace platform::comctl
