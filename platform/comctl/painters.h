// The painters of the common controls, set for their classes before main. Each paints one
// window's client area with the origin at its top left: `client` is {0, 0, width, height}.
#pragma once

#include "gdi/canvas.h"
#include "user/painting.h"

namespace platform::comctl {

void paint_progress(gdi::Canvas& canvas, const user::Node& node, const gdi::Rect& client);
void paint_ip_address(gdi::Canvas& canvas, const user::Node& node, const gdi::Rect& client);
void paint_link(gdi::Canvas& canvas, const user::Node& node, const gdi::Rect& client);
void paint_rich_edit(gdi::Canvas& canvas, const user::Node& node, const gdi::Rect& client);

}  // namespace platform::comctl
