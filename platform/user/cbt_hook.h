// The WH_CBT hooks the window system runs at its events; window creation asks them first.
#pragma once

#include <windows.h>

namespace platform::user::cbt {

// HCBT_CREATEWND for a window that exists but has had no message yet. `create_struct` is the
// creator's CREATESTRUCTW or CREATESTRUCTA (`unicode`). True: a hook refused the window.
bool refuses_creation(HWND hwnd, void* create_struct, bool unicode);

}  // namespace platform::user::cbt
