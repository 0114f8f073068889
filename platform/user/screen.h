// The machine's screen: its size (machine configuration "desktop.screen_width" and
// "desktop.screen_height", 1024 x 768 when not set) and the work area above the taskbar.
#pragma once

#include <windows.h>

namespace platform::user::screen {

SIZE size();
RECT work_area();

}  // namespace platform::user::screen
