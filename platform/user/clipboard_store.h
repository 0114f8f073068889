// The clipboard in the machine database, so that every process of the machine shares it: who
// has it open (a thread of a process, for a window or none), who owns its contents, and the
// contents by format. A process that ended with the clipboard open leaves it free.
#pragma once

#include <windows.h>

#include "user/clipboard_formats.h"

namespace platform::user::clipboard {

// Opens the clipboard for the calling thread; false when another thread has it open.
bool open(HWND window);
// Whether the calling thread has it open.
bool open_here();
// False when the calling thread did not have it open.
bool close();
// With the clipboard open here: no contents, owned by the window it was opened for.
void empty();
// With the clipboard open here: `bytes` as the contents in `format`.
void put(UINT format, const std::string& bytes);

Contents contents();
HWND owner();
HWND open_window();
// Counts every change of the contents.
DWORD sequence();

}  // namespace platform::user::clipboard
