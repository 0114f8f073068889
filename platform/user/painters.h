// The painters of the window system's own classes. Each paints one window's client area with
// the origin at its top left: `client` is {0, 0, width, height}.
#pragma once

#include "gdi/canvas.h"
#include "user/painting.h"

namespace platform::user {

void paint_button(gdi::Canvas& canvas, const Node& node, const gdi::Rect& client);
void paint_edit(gdi::Canvas& canvas, const Node& node, const gdi::Rect& client);
void paint_static(gdi::Canvas& canvas, const Node& node, const gdi::Rect& client);
void paint_list_box(gdi::Canvas& canvas, const Node& node, const gdi::Rect& client);

// Border, dialog frame, caption and edges of a window at `window`; gives its client area.
gdi::Rect paint_non_client(gdi::Canvas& canvas, const Node& node, const gdi::Rect& window);

}  // namespace platform::user
