// The requests the automation channel answers, and what each asks of the process's windows:
//   process                      -> one record: pid, program
//   windows                      -> a window record per top-level window
//   owns HWND                    -> no record; not-found unless HWND is a window of this process
//   controls HWND                -> a window record per descendant
//   type HWND ID TEXT            click HWND ID            (the control of that id in HWND)
//   hover HWND ID                tip HWND ID             -> one record: the text of the tooltip
//                                                           that shows for the control
//   key HWND VK                  close HWND               screenshot HWND PNG_PATH
//   sysmenu HWND TEXT            minimize HWND            restore HWND   (top-level windows)
//   items HWND ID                -> a record per list box item: index, text, 1 or 0 (selected)
//   select HWND ID TEXT             (the list box of that id in HWND)
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
  // The window menu and the caption buttons: sysmenu HWND TEXT, minimize HWND, restore HWND.
  virtual MenuPick pick_system_menu(WindowHandle hwnd, const std::u16string& item) = 0;
  virtual bool system_command(WindowHandle hwnd, uint32_t command) = 0;
  // List boxes: items HWND ID, select HWND ID TEXT.
  virtual std::optional<std::vector<ListItem>> list_items(WindowHandle hwnd) = 0;
  virtual bool select_item(WindowHandle hwnd, const std::u16string& text) = 0;
};

struct ProcessIdentity {
  uint32_t pid = 0;
  std::string program;  // the image's file name
};

Reply handle_request(Target& target, const ProcessIdentity& self, const Fields& request);

}  // namespace platform::automation
