// Rich edit controls look like multiline edits, except that read-only ones stay white: their
// background is their own colour, not the dialog's.
#include <windows.h>

#include "gdi/painters.h"

namespace platform::gdi {

void paint_rich_edit(Canvas& canvas, const Node& node, const Rect& client) {
  Node shown = node;
  shown.style &= ~uint32_t(ES_READONLY);
  shown.focused = node.focused && !(node.style & ES_READONLY);
  paint_edit(canvas, shown, client);
}

}  // namespace platform::gdi
