// Window rectangles: client areas and moves (children travel with their parent).
#pragma once

#include "user/window.h"

namespace platform::user::geometry {

// The client area's top-left corner in screen coordinates.
POINT client_origin(const Window& w);
RECT client_rect_on_screen(const Window& w);
// Moves and sizes `w` to `rect` (screen coordinates); WM_MOVE / WM_SIZE when they change.
void place(Window& w, const RECT& rect);
// (x, y) in the coordinates a window's position is given in: its parent's client area, or the
// screen for a top-level window.
RECT from_parent_coordinates(const Window& w, int x, int y, int cx, int cy);

}  // namespace platform::user::geometry
