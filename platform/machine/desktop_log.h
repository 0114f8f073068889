// The machine's desktop log: every message box any process of the machine showed, with the
// answer it got and how. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace platform::desktop {

struct LoggedBox {
  int64_t time_ns = 0;  // machine time, UTC
  DWORD pid = 0;
  std::string program;  // the image's file name
  std::string caption;
  std::string text;
  UINT style = 0;       // the MB_* flags the box was shown with
  std::string buttons;  // "OK", "YesNo", ...
  std::string answer;   // "OK", "No", ...
  std::string how;      // "default": answered by its default button, nobody clicked
};

void log_box(const LoggedBox& box);
// In the order the boxes were shown.
std::vector<LoggedBox> logged_boxes();

}  // namespace platform::desktop
