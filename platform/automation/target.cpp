// What the automation channel asks of this process's windows, done on each window's thread.
// Actions (typing, clicks, keys, closing) are checked and answered at once, then done as the
// thread's next work: a click that opens a message box must not hold the channel's reply.
#include "automation/target.h"

#include "comctl/control_classes.h"
#include "comctl/tooltip.h"
#include "kernel/text.h"
#include "user/controls.h"
#include "user/deliver.h"
#include "user/focus.h"
#include "user/key_state.h"
#include "user/mouse.h"
#include "user/on_window_thread.h"
#include "user/window_class.h"
#include "user/screenshot.h"
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

}  // namespace platform::automation
