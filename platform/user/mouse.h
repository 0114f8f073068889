// The mouse of the desktop: the capture, the cursor and what a window does by default with
// WM_NCHITTEST and WM_SETCURSOR; and the click the automation channel makes on a window.
#pragma once

#include <windows.h>

#include "user/window.h"

namespace platform::user::mouse {

// The calling thread's capture window, null once that window is gone.
HWND capture();
// DefWindowProc's handling.
LRESULT hit_test(const Window& w, LPARAM screen_point);
LRESULT set_cursor(const Window& w, WPARAM wp, LPARAM lp);
// Moves the mouse to the centre of `hwnd` and clicks the left button there. The messages go to
// the capture window while there is one, otherwise to `hwnd`.
void click_centre(HWND hwnd);
// Moves the mouse to the centre of `hwnd`: WM_SETCURSOR at once, WM_MOUSEMOVE posted.
void hover_centre(HWND hwnd);

}  // namespace platform::user::mouse
