#include "user/window_snapshot.h"

#include <commctrl.h>

#include "kernel/text.h"
#include "user/deliver.h"
#include "user/focus.h"
#include "user/fonts.h"
#include "user/icons.h"
#include "user/window_class.h"
#include "user/window_tree.h"

namespace platform::user {
namespace {

bool is_class(const Window& w, std::u16string_view name) { return text::iequals(w.window_class->name, name); }

}  // namespace

Node paint_tree(const Window& w) {
  Node node;
  node.class_name = w.window_class->name;
  node.style = w.style;
  node.exstyle = w.exstyle;
  node.x = w.rect.left;
  node.y = w.rect.top;
  node.cx = w.rect.right - w.rect.left;
  node.cy = w.rect.bottom - w.rect.top;
  node.text = w.text;
  node.font = fonts::font_of(w.font);
  node.enabled = !(w.style & WS_DISABLED);
  node.visible = (w.style & WS_VISIBLE) != 0;
  node.focused = focus::focused() == w.hwnd;
  if (is_class(w, u"Button")) {
    node.default_button = (w.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    node.check = uint32_t(send(w.hwnd, BM_GETCHECK, 0, 0));
  }
  if (is_class(w, u"Static") && (w.style & SS_TYPEMASK) == SS_ICON)
    node.icon = icons::standard_id(reinterpret_cast<HICON>(send(w.hwnd, STM_GETICON, 0, 0)));
  if (is_class(w, u"msctls_progress32")) {
    node.range_low = int(send(w.hwnd, PBM_GETRANGE, TRUE, 0));
    node.range_high = int(send(w.hwnd, PBM_GETRANGE, FALSE, 0));
    node.position = int(send(w.hwnd, PBM_GETPOS, 0, 0));
  }
  if (is_class(w, u"Edit")) node.password_char = char16_t(send(w.hwnd, EM_GETPASSWORDCHAR, 0, 0));
  for (HWND child : w.children)
    if (WindowPtr c = find_window(child)) node.children.push_back(paint_tree(*c));
  return node;
}

}  // namespace platform::user
