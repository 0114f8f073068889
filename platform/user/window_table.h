// Every live window of this process, by handle. Handles are unique in the whole machine: the
// machine database hands them out, so that the desktop tools can address any process's window.
#pragma once

#include <vector>

#include "user/window.h"

namespace platform::user::table {

// A fresh machine-unique handle, recorded as this process's.
HWND allocate_handle(bool top_level);
void add(const WindowPtr& window);
// Forgets the window and releases its handle in the machine.
void remove(HWND hwnd);
// This process's top-level windows in creation order.
std::vector<WindowPtr> top_levels();
// The windows of thread `tid`, in creation order.
std::vector<WindowPtr> of_thread(DWORD tid);

// The desktop window, the root of every top-level window.
HWND desktop_handle();

}  // namespace platform::user::table
