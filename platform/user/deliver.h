// Calling a window's procedure: on its own thread directly, from another thread through the
// owner's queue (the sender keeps serving its own queue meanwhile, as SendMessage does), with
// the text of WM_SETTEXT, WM_GETTEXT and the creation data converted between ANSI and wide when
// the caller and the procedure differ.
#pragma once

#include <windows.h>

#include "user/window.h"

namespace platform::user {

// Calls `proc` for `hwnd` with a message in the caller's form (`caller_unicode`); `proc_unicode`
// tells the form the procedure takes.
LRESULT call_proc(WNDPROC proc, bool proc_unicode, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool caller_unicode);
// SendMessage: 0 (last error ERROR_INVALID_WINDOW_HANDLE) for an unknown window.
LRESULT send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool caller_unicode = true);

}  // namespace platform::user
