// A window as its painter sees it. Called on the window's own thread.
#pragma once

#include "user/painting.h"
#include "user/window.h"

namespace platform::user {

Node paint_node(const Window& w);

}  // namespace platform::user
