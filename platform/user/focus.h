// Keyboard focus and the active window, per thread as Windows keeps them.
#pragma once

#include <windows.h>

namespace platform::user::focus {

HWND focused();
// SetFocus: the old window gets WM_KILLFOCUS, the new one WM_SETFOCUS, its top-level window
// becomes active. Returns the window that had the focus.
HWND set(HWND hwnd);
HWND active();
HWND activate(HWND hwnd);
// A window of the thread is going away: it and its descendants lose the focus and activation.
void forget(HWND hwnd);

}  // namespace platform::user::focus
