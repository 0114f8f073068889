// The window procedures of the standard controls, and what they share.
#pragma once

#include <windows.h>

namespace platform::user::controls {

LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK static_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK list_box_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// WM_COMMAND to the control's parent: its id and `code` in wParam, the control in lParam.
void notify_parent(HWND control, WORD code);

}  // namespace platform::user::controls
