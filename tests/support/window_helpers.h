// Window helpers for the tests of both builds: a window class of the test process, and window
// texts read as UTF-16 or UTF-8.
#pragma once

#include <windows.h>

#include <string>

#include "support/wide.h"

namespace testing_support {

// Registers a window class of the test process once; later calls only check it exists.
inline bool register_test_class(LPCWSTR name, WNDPROC proc) {
  WNDCLASSW wc{};
  if (GetClassInfoW(nullptr, name, &wc)) return true;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  return RegisterClassW(&wc) != 0;
}

inline std::u16string window_text(HWND hwnd) {
  WCHAR buffer[512];
  int n = GetWindowTextW(hwnd, buffer, 512);
  return U(buffer, size_t(n));
}

inline std::string window_text8(HWND hwnd) { return u8(window_text(hwnd)); }

}  // namespace testing_support
