// The list box as the rest of the machine reads it: through its own messages on its thread, so
// that a program's subclass of it answers as it would to any caller.
#pragma once

#include <windows.h>

#include "user/list_contents.h"
#include "user/window.h"

namespace platform::user::list_box {

bool is_list_box(const Window& w);
// Called on the list box's thread.
ListContents contents(HWND hwnd);

}  // namespace platform::user::list_box
