// Window classes of this process: the system's ("Button", "Edit", "Static", "#32770") and the
// ones the program registers.
#pragma once

#include <memory>
#include <string>

#include <windows.h>

namespace platform::user {

struct WindowClass {
  std::u16string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  bool unicode = true;
  int class_extra = 0;
  int window_extra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
};

// The atom of the new class, or 0 with the last error (ERROR_CLASS_ALREADY_EXISTS, ...).
ATOM register_class(WindowClass window_class);
bool unregister_class(const std::u16string& name);
// A class by name, or by atom when `name` is an integer resource (MAKEINTATOM); null when unknown.
std::shared_ptr<const WindowClass> find_class(const WCHAR* name);
std::shared_ptr<const WindowClass> find_class(const char* name);

// The atom of the dialog class "#32770".
constexpr ATOM kDialogAtom = 0x8002;

}  // namespace platform::user
