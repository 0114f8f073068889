// A window's tree as it is painted.
// Called on the window's own thread.
#pragma once

#include "user/painting.h"
#include "user/window.h"

namespace platform::user {

Node paint_tree(const Window& w);

}  // namespace platform::user
