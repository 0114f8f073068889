// What the automation channel asks of this process's windows, done on each window's thread.
// Actions (typing, clicks, keys, closing) are checked and answered at once, then done as the
// thread's next work: a click that opens a message box must not hold the channel's reply.
#include "automation/target.h"

#include <algorithm>

#include "comctl/control_classes.h"
#include "comctl/tooltip.h"
#include "kernel/text.h"
#include "user/controls.h"
#include "user/deliver.h"
#include "user/focus.h"
#include "user/key_state.h"
#include "user/list_box.h"
#include "user/list_box_layout.h"
#include "user/paint_geometry.h"
#include "user/mouse.h"
#include "user/on_window_thread.h"
#include "user/window_class.h"
#include "user/screenshot.h"
#include "user/system_menu.h"
#include "automation/window_info.h"
#include "user/window_table.h"
#include "user/window_tree.h"

namespace platform::automation {

using namespace user;
namespace {

HWND handle(WindowHandle value) { return reinterpret_cast<HWND>(uintptr_t(value)); }

// Runs `check` on the window's thread; when it passes, `act` follows there as the next work.
bool act_on(WindowHandle hwnd, std::function<bool(Window&)> check, std::function<void()> act) {
  HWND h = handle(hwnd);
  return on_window_thread<bool>(h, [h, check, act] {
           WindowPtr w = find_window(h);
           if (!w || !check(*w)) return false;
           return current_queue().hand(act);
         })
      .value_or(false);
}

bool usable(const Window& w) { return tree::shown(w) && !(w.style & WS_DISABLED); }

}  // namespace

std::vector<WindowInfo> top_level_windows() {
  std::vector<WindowInfo> out;
  for (const WindowPtr& top : table::top_levels()) {
    HWND h = top->hwnd;
    auto info = on_window_thread<WindowInfo>(h, [h]() -> WindowInfo {
      WindowPtr w = find_window(h);
      return w ? describe(*w) : WindowInfo{};
    });
    if (info && info->hwnd) out.push_back(*info);
  }
  return out;
}

std::vector<WindowInfo> controls(WindowHandle hwnd) {
  HWND h = handle(hwnd);
  return on_window_thread<std::vector<WindowInfo>>(h, [h] {
           std::vector<WindowInfo> out;
           for (const WindowPtr& c : tree::descendants(h)) out.push_back(describe(*c));
           return out;
         })
      .value_or(std::vector<WindowInfo>{});
}

bool type_text(WindowHandle hwnd, const std::u16string& text) {
  HWND h = handle(hwnd);
  return act_on(
      hwnd, [](Window& w) { return !(w.style & WS_DISABLED); },
      [h, text] {
        WindowPtr w = find_window(h);
        if (!w) return;
        focus::set(h);
        // The address control takes its dotted text as keystrokes, field by field.
        if (text::iequals(w->window_class->name, u"SysIPAddress32")) {
          comctl::type_address(h, text);
          return;
        }
        send(h, WM_SETTEXT, 0, LPARAM(text.c_str()));
        // A single-line edit tells its parent itself; typing into a multiline one does too.
        if (text::iequals(w->window_class->name, u"Edit") && (w->style & ES_MULTILINE))
          controls::notify_parent(h, EN_CHANGE);
      });
}

bool click(WindowHandle hwnd) {
  HWND h = handle(hwnd);
  return act_on(hwnd, usable, [h] {
    // Buttons click themselves, a link control is clicked on its first link (where a user
    // aims); any other window gets the mouse at its centre.
    WindowPtr w = find_window(h);
    if (w && text::iequals(w->window_class->name, u"Button")) send(h, BM_CLICK, 0, 0);
    else if (w && text::iequals(w->window_class->name, u"SysLink")) comctl::click_first_link(h);
    else mouse::click_centre(h);
  });
}

bool hover(WindowHandle hwnd) {
  HWND h = handle(hwnd);
  return act_on(hwnd, [](Window& w) { return tree::shown(w); }, [h] { mouse::hover_centre(h); });
}

std::optional<std::u16string> tip(WindowHandle hwnd) {
  HWND h = handle(hwnd);
  return on_window_thread<std::optional<std::u16string>>(h, [h] { return comctl::shown_tip(h); }).value_or(std::nullopt);
}

bool press_key(WindowHandle hwnd, uint16_t virtual_key) {
  HWND h = handle(hwnd);
  return act_on(
      hwnd, [](Window&) { return true; },
      [h, virtual_key] {
        HWND f = focus::focused();
        HWND target = f && tree::root_of(f) == tree::root_of(h) ? f : h;
        PostMessageW(target, WM_KEYDOWN, virtual_key, 1);
        PostMessageW(target, WM_KEYUP, virtual_key, LPARAM(0xC0000001));
      });
}

bool close(WindowHandle hwnd) {
  HWND h = handle(hwnd);
  return act_on(
      hwnd, [](Window& w) { return !w.parent; }, [h] { PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0); });
}

bool screenshot(WindowHandle hwnd, const std::string& png_path) {
  HWND h = handle(hwnd);
  return on_window_thread<bool>(h, [h, png_path] { return paint::screenshot(h, png_path); }).value_or(false);
}

// The window menu and the caption buttons.
MenuPick pick_system_menu(WindowHandle hwnd, const std::u16string& item) {
  HWND h = handle(hwnd);
  return on_window_thread<MenuPick>(h, [h, item] {
           WindowPtr w = find_window(h);
           if (!w || w->parent) return MenuPick::no_window;
           system_menu::Pick pick = system_menu::find(*w, item);
           if (pick.result == system_menu::Pick::Result::not_found) return MenuPick::no_item;
           if (pick.result == system_menu::Pick::Result::disabled) return MenuPick::disabled;
           PostMessageW(h, WM_SYSCOMMAND, pick.command, 0);
           return MenuPick::picked;
         })
      .value_or(MenuPick::no_window);
}

bool system_command(WindowHandle hwnd, uint32_t command) {
  HWND h = handle(hwnd);
  return act_on(
      hwnd, [](Window& w) { return !w.parent; }, [h, command] { PostMessageW(h, WM_SYSCOMMAND, command, 0); });
}

// List boxes.
namespace {

int item_index(HWND list, const std::u16string& text) {
  std::vector<std::u16string> items = list_box::contents(list).items;
  auto it = std::find(items.begin(), items.end(), text);
  return it == items.end() ? -1 : int(it - items.begin());
}

// A user scrolls the item into view, then clicks its row.
void click_item(HWND list, int index) {
  WindowPtr w = find_window(list);
  if (!w) return;
  int height = int(send(list, LB_GETITEMHEIGHT, 0, 0));
  int top = int(send(list, LB_GETTOPINDEX, 0, 0));
  if (index < top || index >= top + list_box::full_rows(paint::client_area(*w).cy, height)) {
    send(list, LB_SETTOPINDEX, WPARAM(index), 0);
    top = int(send(list, LB_GETTOPINDEX, 0, 0));
  }
  LPARAM row = MAKELPARAM(2, (index - top) * height + height / 2);
  send(list, WM_LBUTTONDOWN, MK_LBUTTON, row);
  send(list, WM_LBUTTONUP, 0, row);
}

}  // namespace

std::optional<std::vector<ListItem>> list_items(WindowHandle hwnd) {
  HWND h = handle(hwnd);
  using Items = std::optional<std::vector<ListItem>>;
  return on_window_thread<Items>(h, [h]() -> Items {
           WindowPtr w = find_window(h);
           if (!w || !list_box::is_list_box(*w)) return std::nullopt;
           ListContents contents = list_box::contents(h);
           std::vector<ListItem> items;
           for (size_t i = 0; i < contents.items.size(); ++i)
             items.push_back({text::utf8(contents.items[i]), int(i) == contents.selected});
           return items;
         })
      .value_or(std::nullopt);
}

bool select_item(WindowHandle hwnd, const std::u16string& text) {
  HWND h = handle(hwnd);
  return act_on(
      hwnd, [text](Window& w) { return usable(w) && list_box::is_list_box(w) && item_index(w.hwnd, text) >= 0; },
      [h, text] {
        int index = item_index(h, text);
        if (index >= 0) click_item(h, index);
      });
}

}  // namespace platform::automation
