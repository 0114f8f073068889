// Rich edit controls look like multiline edits, except that read-only ones stay white: their
// background is their own colour, not the dialog's.
#include <windows.h>

#include "comctl/painters.h"
#include "user/painters.h"

namespace platform::comctl {

using namespace gdi;
using user::Node;

void paint_rich_edit(Canvas& canvas, const Node& node, const Rect& client) {
  Node shown = node;
  shown.style &= ~uint32_t(ES_READONLY);
  shown.focused = node.focused && !(node.style & ES_READONLY);
  user::paint_edit(canvas, shown, client);
}

}  // namespace platform::comctl
