// Rectangles between the window manager's RECTs and the painter's Rects.
#pragma once

#include <windows.h>

#include "gdi/canvas.h"
#include "user/window.h"

namespace platform::user::paint {

inline gdi::Rect rect_of(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }
inline RECT rect_of(const gdi::Rect& r) { return {r.x, r.y, r.right(), r.bottom()}; }
// The client area at (0, 0), as the update region sees it.
gdi::Rect client_area(const Window& w);

}  // namespace platform::user::paint
