// A machine for the desktop's tests, with helpers to read window texts as UTF-16.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "kernel/machine.h"
#include "kernel/text.h"
#include "support/machine_fixture.h"

namespace testing_support {

class DeskTest : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    platform::machine::set_config("desktop.box_timeout_ms", "0");
  }
};

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
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), size_t(n));
}

inline std::string window_text8(HWND hwnd) { return platform::text::utf8(window_text(hwnd)); }

}  // namespace testing_support
