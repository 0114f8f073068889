// A top-level window's picture as a PNG, painted the way Windows paints it. Called on the
// window's own thread.
#pragma once

#include <windows.h>

#include <string>

namespace platform::user::paint {

// Has the window and its children paint what waits in their update regions (frames,
// backgrounds, WM_PAINT), then writes the window's surface. False for a window that is gone or
// a file that cannot be written.
bool screenshot(HWND top, const std::string& png_path);

}  // namespace platform::user::paint
