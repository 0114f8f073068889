// Relations between windows: ancestors, descendants, the top-level window of a child.
#pragma once

#include <vector>

#include "user/window.h"

namespace platform::user::tree {

// The top-level window that `hwnd` belongs to (itself for a top-level window); null if unknown.
HWND root_of(HWND hwnd);
bool is_descendant(HWND ancestor, HWND hwnd);  // false for hwnd == ancestor
// Every descendant of `hwnd`, depth first, in creation order.
std::vector<WindowPtr> descendants(HWND hwnd);
// The visible, enabled chain: a window shows only when it and every ancestor has WS_VISIBLE.
bool shown(const Window& window);
// Whether an ancestor is minimised: the window does not paint then.
bool under_iconic(const Window& window);

}  // namespace platform::user::tree
