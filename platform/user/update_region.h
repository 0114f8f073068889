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

// Adds `area` (client coordinates) to the update region of a shown window, to the children it
// covers, and to the later siblings (of it and of its ancestors) that would paint over it.
// `frame`: the non-client area is painted again too.
void invalidate(Window& w, const gdi::Region& area, bool erase, Children children, bool frame);
void invalidate_client(Window& w, bool erase, Children children, bool frame);
// A control whose look changed (text, state, focus, enabling) paints all of its client area again.
void invalidate_control(Window& w);
// The non-client area alone paints again: a new caption.
void invalidate_frame(Window& w);
// After WS_VISIBLE changed: a window shown paints all of itself, frame and children; where a
// hidden child was, its parent paints again.
void visibility_changed(Window& w);
// After a shown window moved or changed size from `before` (screen coordinates): a child paints
// all of itself at its new place and its parent where it was; a top-level window keeps its
// picture when it only moved.
void placement_changed(Window& w, const RECT& before);
void validate(Window& w, const gdi::Region& area);
void validate_all(Window& w);
// The window WM_PAINT is for: of the shown pending windows (only `filter`, unless null), the
// first in painting order, so that parents paint before their children and overlapping siblings
// in the order of their list.
HWND next_to_paint(const std::vector<HWND>& pending, HWND filter);
// WM_PAINT at once to the window when it has an update region, then to its children.
void update_now(HWND hwnd, bool children);

}  // namespace platform::user::paint
