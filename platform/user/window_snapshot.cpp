#include "user/window_snapshot.h"

#include <commctrl.h>

#include "gdi/objects.h"
#include "kernel/text.h"
#include "user/deliver.h"
#include "user/focus.h"
#include "user/fonts.h"
#include "user/icons.h"
#include "user/list_box.h"
#include "user/window_class.h"

namespace platform::user {
namespace {

bool is_class(const Window& w, std::u16string_view name) { return text::iequals(w.window_class->name, name); }

}  // namespace

Node paint_node(const Window& w) {
  Node node;
  node.class_name = w.window_class->name;
  node.style = w.style;
  node.exstyle = w.exstyle;
  node.text = w.text;
  node.font = fonts::font_of(w.font);
  node.enabled = !(w.style & WS_DISABLED);
  node.focused = focus::focused() == w.hwnd;
  if (is_class(w, u"Button")) {
    node.default_button = (w.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    node.check = uint32_t(send(w.hwnd, BM_GETCHECK, 0, 0));
  }
  if (is_class(w, u"Static") && (w.style & SS_TYPEMASK) == SS_ICON) {
    auto icon = reinterpret_cast<HICON>(send(w.hwnd, STM_GETICON, 0, 0));
    node.icon = icons::standard_id(icon);
    if (auto loaded = icons::find(icon)) node.picture = loaded->image;
  }
  // A caption shows the small icon, or the big one made small.
  if (!w.parent && (w.style & (WS_CAPTION | WS_SYSMENU)) == (WS_CAPTION | WS_SYSMENU))
    if (auto loaded = icons::find(w.small_icon ? w.small_icon : w.big_icon)) node.picture = loaded->image;
  if (is_class(w, u"Static") && (w.style & SS_TYPEMASK) == SS_BITMAP) {
    HGDIOBJ bitmap = reinterpret_cast<HGDIOBJ>(send(w.hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (auto b = gdi::objects::find_as<gdi::BitmapObject>(bitmap)) node.image = b->surface;
  }
  if (is_class(w, u"msctls_progress32")) {
    node.range_low = int(send(w.hwnd, PBM_GETRANGE, TRUE, 0));
    node.range_high = int(send(w.hwnd, PBM_GETRANGE, FALSE, 0));
    node.position = int(send(w.hwnd, PBM_GETPOS, 0, 0));
  }
  if (list_box::is_list_box(w)) node.list = list_box::contents(w.hwnd);
  if (is_class(w, u"Edit")) node.password_char = char16_t(send(w.hwnd, EM_GETPASSWORDCHAR, 0, 0));
  return node;
}

}  // namespace platform::user
