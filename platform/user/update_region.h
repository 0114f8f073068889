// Update regions: what InvalidateRect, ValidateRect and RedrawWindow change, what makes the
// thread's queue give WM_PAINT, and the repainting UpdateWindow does at once.
#pragma once

#include <windows.h>

#include <vector>

#include "gdi/region.h"
#include "user/window.h"

namespace platform::user::paint {

// How far an invalidation reaches into the children: by WS_CLIPCHILDREN (a parent without it
// takes its children along, down to one that has it), all of them, or none.
enum class Children { by_style, all, none };

// Adds `area` (client coordinates) to the update region of a shown window, and to the children
// it covers. `frame`: the non-client area is painted again too.
void invalidate(Window& w, const gdi::Region& area, bool erase, Children children, bool frame);
void invalidate_client(Window& w, bool erase, Children children, bool frame);
// After WS_VISIBLE changed: a window shown paints all of itself, frame and children; where a
// hidden child was, its parent paints again.
void visibility_changed(Window& w);
void validate(Window& w, const gdi::Region& area);
void validate_all(Window& w);
// The window WM_PAINT is for: the first pending one of a window `filter` (null: any) that is
// shown and none of whose ancestors is pending, so that parents paint before their children.
HWND next_to_paint(const std::vector<HWND>& pending, HWND filter);
// WM_PAINT at once to the window when it has an update region, then to its children.
void update_now(HWND hwnd, bool children);

}  // namespace platform::user::paint
