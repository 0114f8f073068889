// The list box messages that carry text carry it in the caller's form: between an ANSI caller and
// a wide procedure (or the other way round) the text is converted, as for WM_SETTEXT.
#pragma once

#include <windows.h>

namespace platform::user {

// A message with a text to or from a list box that keeps strings (not an owner-drawn one
// without LBS_HASSTRINGS, whose items are the caller's values).
bool carries_list_box_text(HWND hwnd, UINT msg);
// Calls `proc`, of the other form than the caller's, with the text converted.
LRESULT call_with_list_box_text(WNDPROC proc, bool caller_unicode, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace platform::user
