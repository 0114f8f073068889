// A window as the desktop tools see it: the description the channel hands out.
#pragma once

#include "automation/target.h"
#include "user/window.h"

namespace platform::automation {

// Called on the window's own thread.
WindowInfo describe(const user::Window& w);

}  // namespace platform::automation
