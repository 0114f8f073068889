// Drives the desktop of the attached machine through its processes' automation channels: what
// `winsim desktop` does, for tests to call in-process. Every call waits for its replies no longer
// than the client's reply limit (real time); failures throw AutomationError.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "automation/channel_protocol.h"

namespace platform::automation {

class AutomationError : public std::runtime_error {
 public:
  AutomationError(Failure failure, const std::string& message) : std::runtime_error(message), failure_(failure) {}
  Failure failure() const { return failure_; }

 private:
  Failure failure_;
};

struct DesktopWindow {
  uint32_t pid = 0;
  std::string program;
  WindowInfo window;
};

struct DesktopListing {
  std::vector<DesktopWindow> windows;
  std::vector<uint32_t> silent;  // processes that did not answer in time
};

class DesktopClient {
 public:
  explicit DesktopClient(std::chrono::milliseconds reply_limit = std::chrono::seconds(10));

  // The processes that serve a channel, by pid; the sockets of ended processes are removed.
  std::vector<uint32_t> processes() const;
  // One request to one process. Transport failures come back as TimedOut or Unreachable.
  Reply request(uint32_t pid, const Fields& request) const;

  // Every top-level window of every process, visible or not.
  DesktopListing windows() const;
  std::vector<WindowInfo> controls(WindowHandle hwnd) const;
  // The control of `id` in window `hwnd`.
  void type_text(WindowHandle hwnd, uint32_t id, const std::string& utf8_text) const;
  void click(WindowHandle hwnd, uint32_t id) const;
  // Points the mouse at the control and returns the text of the tooltip it brings up (UTF-8),
  // once one shows; NotFound when none does within `limit`.
  std::string hover(WindowHandle hwnd, uint32_t id, std::chrono::milliseconds limit) const;
  void press_key(WindowHandle hwnd, uint16_t virtual_key) const;
  void close(WindowHandle hwnd) const;
  // The window menu and the caption buttons: picks the window menu's item of that text (UTF-8,
  // without "&"); minimises or restores the window.
  void pick_system_menu(WindowHandle hwnd, const std::string& item) const;
  void minimize(WindowHandle hwnd) const;
  void restore(WindowHandle hwnd) const;
  // List boxes: the items of the list box of `id` in `hwnd`, and selecting its item of exactly
  // that text (UTF-8) as a click would.
  std::vector<ListItem> items(WindowHandle hwnd, uint32_t id) const;
  void select(WindowHandle hwnd, uint32_t id, const std::string& utf8_text) const;
  // Clicks the button of `button_id` (IDOK, IDNO, ...) in a message box.
  void answer(WindowHandle hwnd, int button_id) const;
  // A host path, relative ones to this process's directory.
  void screenshot(WindowHandle hwnd, const std::filesystem::path& png) const;
  // The first visible top-level window with exactly this caption, once there is one.
  WindowHandle wait_for(const std::string& caption, std::chrono::milliseconds limit) const;

 private:
  uint32_t owner_of(WindowHandle hwnd) const;
  Reply act(WindowHandle hwnd, const Fields& request) const;

  std::chrono::milliseconds reply_limit_;
};

}  // namespace platform::automation
