// What the desktop's automation channel can ask of this process's windows. Each call may come
// from the channel's own thread: the window's thread does the work (as SendMessage would) and
// the caller waits for it, so a window is only ever touched by the thread that owns it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::automation {

// An HWND as it travels between processes: all 64 bits of it.
using WindowHandle = uint64_t;

struct WindowInfo {
  WindowHandle hwnd = 0;
  WindowHandle parent = 0;    // 0 for a top-level window
  uint32_t id = 0;            // the control id (GWL_ID); 0 for a top-level window
  std::string class_name;     // "Button", "Edit", "Static", "#32770", ...
  std::string text;           // UTF-8; a password edit's real text
  uint32_t style = 0;
  uint32_t exstyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;  // window rectangle, screen pixels
  bool visible = false;
  bool enabled = false;
  bool focused = false;
};

// This process's top-level windows, in creation order, visible or not.
std::vector<WindowInfo> top_level_windows();
// Every descendant of `hwnd` in creation order (children before their own children's siblings:
// depth first). Empty for an unknown window.
std::vector<WindowInfo> controls(WindowHandle hwnd);
// Replaces a control's text as typing would: the control gets the focus, WM_SETTEXT, and an
// edit control notifies its parent with EN_CHANGE; an IP address control gets the dotted text
// typed field by field. False for an unknown or disabled window.
bool type_text(WindowHandle hwnd, const std::u16string& text);
// Clicks a button as the mouse would (BM_CLICK): the parent gets WM_COMMAND BN_CLICKED; a
// SysLink's parent gets NM_CLICK for its first link.
// False for an unknown, hidden or disabled window.
bool click(WindowHandle hwnd);
// Moves the mouse over a window as the mouse would: WM_SETCURSOR, then WM_MOUSEMOVE through
// its thread's queue. False for an unknown or hidden window.
bool hover(WindowHandle hwnd);
// The text of the tooltip that shows for the window now, if one does.
std::optional<std::u16string> tip(WindowHandle hwnd);
// Presses and releases a key (VK_RETURN, VK_ESCAPE, VK_TAB, a letter, ...) as the keyboard
// would: WM_KEYDOWN, WM_CHAR where the key has a character, WM_KEYUP to the window with the
// focus in `hwnd`'s thread, through its message loop (so dialogs see Enter, Escape and Tab).
bool press_key(WindowHandle hwnd, uint16_t virtual_key);
// Asks a top-level window to close (WM_SYSCOMMAND SC_CLOSE, as its close box would).
bool close(WindowHandle hwnd);
// Paints the window and its children as they look now into a PNG file (a host path).
bool screenshot(WindowHandle hwnd, const std::string& png_path);

// The window menu and the caption buttons: picks the item of the window menu whose text, without
// "&" and before a tab, is `item` (as a click on it would: WM_SYSCOMMAND with its command,
// posted); posts WM_SYSCOMMAND `command` (SC_MINIMIZE, SC_RESTORE) as a caption button would.
// Both for top-level windows only.
enum class MenuPick { picked, no_window, no_item, disabled };
MenuPick pick_system_menu(WindowHandle hwnd, const std::u16string& item);
bool system_command(WindowHandle hwnd, uint32_t command);

// List boxes: the items of one, in order (nothing for a window that is no list box); selecting
// the first item of exactly `text` as a click on its row would (the list box takes the focus,
// scrolls the item into view, and one with LBS_NOTIFY tells its parent LBN_SELCHANGE). False
// for an unknown, hidden or disabled list box or one without that item.
struct ListItem {
  std::string text;  // UTF-8
  bool selected = false;
};
std::optional<std::vector<ListItem>> list_items(WindowHandle hwnd);
bool select_item(WindowHandle hwnd, const std::u16string& text);

}  // namespace platform::automation
