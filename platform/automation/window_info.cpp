// A window as the desktop tools see it. Called on the window's own thread.
#include "automation/window_info.h"

#include "kernel/text.h"
#include "user/focus.h"
#include "user/list_box.h"
#include "user/window_class.h"
#include "user/window_tree.h"

namespace platform::automation {
namespace {

WindowHandle handle_value(HWND h) { return reinterpret_cast<uintptr_t>(h); }

}  // namespace

WindowInfo describe(const user::Window& w) {
  WindowInfo info;
  info.hwnd = handle_value(w.hwnd);
  info.parent = handle_value(w.parent);
  info.id = w.parent ? w.id : 0;
  info.class_name = text::utf8(w.window_class->name);
  info.text = text::utf8(w.text);
  // A list box shows its selected item's text (or none).
  if (user::list_box::is_list_box(w)) {
    user::ListContents list = user::list_box::contents(w.hwnd);
    bool chosen = list.selected >= 0 && size_t(list.selected) < list.items.size();
    info.text = chosen ? text::utf8(list.items[size_t(list.selected)]) : "";
  }
  info.style = w.style;
  info.exstyle = w.exstyle;
  info.x = w.rect.left;
  info.y = w.rect.top;
  info.cx = w.rect.right - w.rect.left;
  info.cy = w.rect.bottom - w.rect.top;
  info.visible = user::tree::shown(w);
  info.enabled = !(w.style & WS_DISABLED);
  info.focused = user::focus::focused() == w.hwnd;
  return info;
}

}  // namespace platform::automation
