// The painters of the window classes the desktop knows. Each paints one window's client area
// with the origin at its top left: `client` is {0, 0, width, height}.
#pragma once

#include "gdi/canvas.h"
#include "gdi/render.h"

namespace platform::gdi {

void paint_button(Canvas& canvas, const Node& node, const Rect& client);
void paint_edit(Canvas& canvas, const Node& node, const Rect& client);
void paint_static(Canvas& canvas, const Node& node, const Rect& client);
void paint_progress(Canvas& canvas, const Node& node, const Rect& client);
void paint_ip_address(Canvas& canvas, const Node& node, const Rect& client);
void paint_link(Canvas& canvas, const Node& node, const Rect& client);
void paint_rich_edit(Canvas& canvas, const Node& node, const Rect& client);
// A class the desktop cannot draw: a plain rectangle with the class name.
void paint_unknown(Canvas& canvas, const Node& node, const Rect& client);

// A 32x32 standard icon (IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK) at (x, y).
void paint_standard_icon(Canvas& canvas, int x, int y, uint16_t icon);

// Border, dialog frame, caption and edges of a window at `window`; gives its client area.
Rect paint_non_client(Canvas& canvas, const Node& node, const Rect& window);

}  // namespace platform::gdi
