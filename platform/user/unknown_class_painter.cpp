// Windows of classes the desktop has no painter for: a plain rectangle with the class name.
#include "gdi/label.h"
#include "user/painters.h"

namespace platform::user {

using namespace gdi;

void paint_unknown(Canvas& canvas, const Node& node, const Rect& client) {
  canvas.fill(client, colors::kWindow);
  canvas.outline(client, colors::kBtnShadow);
  LabelLayout layout{Align::center, true, false, false};
  paint_label(canvas, node.font, client, node.class_name, layout, true, colors::kGrayText);
}

}  // namespace platform::user
