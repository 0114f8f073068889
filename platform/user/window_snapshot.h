// A window as the desktop tools see it: its description, and its tree as it is painted.
// Called on the window's own thread.
#pragma once

#include "gdi/render.h"
#include "user/automation_target.h"
#include "user/window.h"

namespace platform::user {

automation::WindowInfo describe(const Window& w);
gdi::Node paint_tree(const Window& w);

}  // namespace platform::user
