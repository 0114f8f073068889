// Minimising and restoring a top-level window. While minimised (WS_MINIMIZE) a window shows as a
// frameless square of kIconicSize pixels at its place: that is its window and its client area,
// it paints it in its own WM_PAINT, and its children do not show.
#pragma once

#include <windows.h>

#include "user/window.h"

namespace platform::user::show_state {

constexpr int kIconicSize = 64;

// What ShowWindow's command asks of the window's size: minimise, restore, or leave it. True when
// the window changed (WM_SIZE SIZE_MINIMIZED / SIZE_RESTORED, and it paints again).
bool apply(Window& w, int show_command);

}  // namespace platform::user::show_state
