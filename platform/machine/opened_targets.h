// What the machine's programs asked the shell to open that a browser would show: no browser runs
// here, so each web address is recorded in the machine, for its user to read. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

namespace platform::desktop {

struct OpenedTarget {
  int64_t time_ns = 0;  // machine time, UTC
  DWORD pid = 0;
  std::string program;  // the image's file name
  std::string target;   // the address as the program gave it
};

// In the order they were opened.
std::vector<OpenedTarget> opened_targets();

}  // namespace platform::desktop
