// What the areas above the window system do when this process makes a window (the automation
// channel starts serving a process at its first one). Hooks are added before main, from static
// objects of those areas, and only run afterwards.
#pragma once

namespace platform::user::hooks {

void on_window_created(void (*hook)());
// Window creation calls it once the window is in the window table.
void window_created();

}  // namespace platform::user::hooks
