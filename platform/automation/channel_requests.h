// The requests the automation channel answers, and what each asks of the process's windows:
//   process                      -> one record: pid, program
//   windows                      -> a window record per top-level window
//   owns HWND                    -> no record; not-found unless HWND is a window of this process
//   controls HWND                -> a window record per descendant
//   type HWND ID TEXT            click HWND ID            (the control of that id in HWND)
//   hover HWND ID                tip HWND ID             -> one record: the text of the tooltip
//                                                           that shows for the control
//   key HWND VK                  close HWND               screenshot HWND PNG_PATH
// HWND is hex, ID and VK decimal or 0x-hex.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "automation/channel_protocol.h"

namespace platform::automation {

// What the requests act on: the process's own windows (automation_target.h) when it serves.
class Target {
 public:
  virtual ~Target() = default;
  virtual std::vector<WindowInfo> top_level_windows() = 0;
  virtual std::vector<WindowInfo> controls(WindowHandle hwnd) = 0;
  virtual bool type_text(WindowHandle hwnd, const std::u16string& text) = 0;
  virtual bool click(WindowHandle hwnd) = 0;
  virtual bool hover(WindowHandle hwnd) = 0;
  virtual std::optional<std::u16string> tip(WindowHandle hwnd) = 0;
  virtual bool press_key(WindowHandle hwnd, uint16_t virtual_key) = 0;
  virtual bool close(WindowHandle hwnd) = 0;
  virtual bool screenshot(WindowHandle hwnd, const std::string& png_path) = 0;
};

struct ProcessIdentity {
  uint32_t pid = 0;
  std::string program;  // the image's file name
};

Reply handle_request(Target& target, const ProcessIdentity& self, const Fields& request);

}  // namespace platform::automation
