// The window a file operation shows while it runs (unless FOF_SILENT): its title, a bar that
// fills item by item and, unless FOF_SIMPLEPROGRESS, the name of the item at hand. It is owned
// by the caller's window and gone when the operation ends.
#pragma once

#include <windows.h>

#include <string>

namespace platform::shell {

class ProgressWindow {
 public:
  ProgressWindow(HWND owner, const std::u16string& title, bool shows_names, size_t items);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // Each item between the two: its name shows, and the bar moves on when it is done.
  void begin_item(const std::u16string& name);
  void end_item();

 private:
  HWND window_ = nullptr;
  HWND bar_ = nullptr;
  HWND name_ = nullptr;
};

}  // namespace platform::shell
