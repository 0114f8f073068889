#include "user/system_menu.h"

#include "user/menus.h"

namespace platform::user::system_menu {
namespace {

constexpr char16_t kRestore[] = u"&Restore";
constexpr char16_t kMove[] = u"&Move";
constexpr char16_t kSize[] = u"&Size";
constexpr char16_t kMinimize[] = u"Mi&nimize";
constexpr char16_t kMaximize[] = u"Ma&ximize";
constexpr char16_t kClose[] = u"&Close\tAlt+F4";

// A dialog's modal frame without sizing frame or caption buttons keeps only what applies to it.
bool small_menu(const Window& w) {
  return (w.exstyle & WS_EX_DLGMODALFRAME) && !(w.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

std::vector<menus::Item> standard_items(const Window& w) {
  if (small_menu(w)) return {{MF_STRING, SC_MOVE, kMove}, {MF_STRING, SC_CLOSE, kClose}};
  return {{MF_STRING, SC_RESTORE, kRestore},   {MF_STRING, SC_MOVE, kMove},         {MF_STRING, SC_SIZE, kSize},
          {MF_STRING, SC_MINIMIZE, kMinimize}, {MF_STRING, SC_MAXIMIZE, kMaximize}, {MF_SEPARATOR, 0, u""},
          {MF_STRING, SC_CLOSE, kClose}};
}

bool usable(const Window& w, UINT_PTR command) {
  bool iconic = w.style & WS_MINIMIZE;
  switch (command) {
    case SC_RESTORE: return iconic;
    case SC_MOVE: return !iconic;
    case SC_SIZE: return !iconic && (w.style & WS_THICKFRAME);
    case SC_MINIMIZE: return !iconic && (w.style & WS_MINIMIZEBOX);
    case SC_MAXIMIZE: return (w.style & WS_MAXIMIZEBOX) != 0;
    default: return true;
  }
}

std::u16string plain(const std::u16string& text) {
  std::u16string out;
  for (char16_t c : text.substr(0, text.find(u'\t')))
    if (c != u'&') out += c;
  return out;
}

}  // namespace

HMENU of(Window& w) {
  if (!(w.style & WS_SYSMENU)) return nullptr;
  if (!menus::exists(w.system_menu)) {
    w.system_menu = menus::create();
    menus::edit(w.system_menu, [&](std::vector<menus::Item>& items) { items = standard_items(w); });
    update_states(w);
  }
  return w.system_menu;
}

void revert(Window& w) {
  if (w.system_menu) menus::destroy(w.system_menu);
  w.system_menu = nullptr;
}

void update_states(const Window& w) {
  if (!w.system_menu) return;
  menus::edit(w.system_menu, [&](std::vector<menus::Item>& items) {
    for (menus::Item& item : items) {
      if (item.flags & (MF_SEPARATOR | MF_POPUP) || item.id < SC_SIZE) continue;  // the program's own items
      item.flags = usable(w, item.id) ? item.flags & ~UINT(MF_GRAYED | MF_DISABLED) : item.flags | MF_GRAYED;
    }
  });
}

Pick find(Window& w, const std::u16string& name) {
  Pick pick;
  HMENU menu = of(w);
  if (!menu) return pick;
  menus::edit(menu, [&](std::vector<menus::Item>& items) {
    for (const menus::Item& item : items) {
      if (item.flags & (MF_SEPARATOR | MF_POPUP) || plain(item.text) != name) continue;
      bool enabled = !(item.flags & (MF_GRAYED | MF_DISABLED));
      pick = {enabled ? Pick::Result::picked : Pick::Result::disabled, UINT(item.id)};
      return;
    }
  });
  return pick;
}

}  // namespace platform::user::system_menu

using namespace platform::user;

extern "C" HMENU WINAPI GetSystemMenu(HWND hWnd, BOOL bRevert) {
  WindowPtr w = window_of(hWnd);
  if (!w) return nullptr;
  if (bRevert) {
    system_menu::revert(*w);
    return nullptr;
  }
  return system_menu::of(*w);
}
