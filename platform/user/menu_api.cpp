// Menus: creating them, their items (commands, separators, submenus), item texts and states.
#include <windows.h>

#include "kernel/out_buffer.h"
#include "user/menus.h"

using namespace platform;
using namespace platform::user;

namespace {

// MF_BITMAP and MF_OWNERDRAW items carry a value, not a text, in the item's place.
template <class Char>
menus::Item new_item(UINT flags, UINT_PTR id, const Char* text) {
  bool has_text = !(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW));
  return {flags & ~UINT(MF_BYPOSITION), id, has_text ? out::in(text) : std::u16string()};
}

template <class Char>
BOOL insert(HMENU menu, UINT position, UINT flags, UINT_PTR id, const Char* text) {
  menus::Item item = new_item(flags, id, text);
  // MF_BYCOMMAND places the item before the one of that command, in whichever submenu it is.
  if (!(flags & MF_BYPOSITION) && position != UINT(-1)) {
    bool found = menus::edit_item(menu, position, flags, [&](const menus::Place& at) {
      at.items->insert(at.items->begin() + long(at.index), item);
    });
    if (found || !menus::exists(menu)) return found;
  }
  return menus::edit(menu, [&](std::vector<menus::Item>& items) {
    size_t at = position < items.size() ? position : items.size();
    items.insert(items.begin() + long(at), item);
  });
}

template <class Unit>
int menu_string(HMENU menu, UINT which, Unit* buffer, int size, UINT flags) {
  std::u16string text;
  if (!menus::edit_item(menu, which, flags, [&](const menus::Place& at) { text = at.item().text; })) return 0;
  if constexpr (sizeof(Unit) == 1) {
    std::string ansi = text::to_ansi(text);
    if (!buffer) return int(ansi.size());
    return int(out::truncated<char>(ansi, buffer, size_t(size > 0 ? size : 0)));
  } else {
    if (!buffer) return int(text.size());
    return int(out::truncated<char16_t>(text, reinterpret_cast<char16_t*>(buffer), size_t(size > 0 ? size : 0)));
  }
}

}  // namespace

extern "C" {

HMENU WINAPI CreateMenu(void) { return menus::create(); }
HMENU WINAPI CreatePopupMenu(void) { return menus::create(); }
BOOL WINAPI DestroyMenu(HMENU hMenu) { return menus::destroy(hMenu); }
BOOL WINAPI IsMenu(HMENU hMenu) { return menus::exists(hMenu); }

BOOL WINAPI AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
  return insert(hMenu, UINT(-1), uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}
BOOL WINAPI AppendMenuA(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  return insert(hMenu, UINT(-1), uFlags | MF_BYPOSITION, uIDNewItem, lpNewItem);
}
BOOL WINAPI InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem) {
  return insert(hMenu, uPosition, uFlags, uIDNewItem, lpNewItem);
}
BOOL WINAPI InsertMenuA(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCSTR lpNewItem) {
  return insert(hMenu, uPosition, uFlags, uIDNewItem, lpNewItem);
}

int WINAPI GetMenuItemCount(HMENU hMenu) {
  int count = -1;
  menus::edit(hMenu, [&](std::vector<menus::Item>& items) { count = int(items.size()); });
  return count;
}

// -1 for an item that opens a submenu and for a position past the end.
UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos) {
  UINT id = UINT(-1);
  if (nPos >= 0)
    menus::edit_item(hMenu, UINT(nPos), MF_BYPOSITION, [&](const menus::Place& at) {
      if (!(at.item().flags & MF_POPUP)) id = UINT(at.item().id);
    });
  return id;
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos) {
  HMENU sub = nullptr;
  if (nPos >= 0)
    menus::edit_item(hMenu, UINT(nPos), MF_BYPOSITION, [&](const menus::Place& at) {
      if (at.item().flags & MF_POPUP) sub = reinterpret_cast<HMENU>(at.item().id);
    });
  return sub;
}

int WINAPI GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int cchMax, UINT flags) {
  return menu_string(hMenu, uIDItem, lpString, cchMax, flags);
}
int WINAPI GetMenuStringA(HMENU hMenu, UINT uIDItem, LPSTR lpString, int cchMax, UINT flags) {
  return menu_string(hMenu, uIDItem, lpString, cchMax, flags);
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags) {
  UINT state = UINT(-1);
  menus::edit_item(hMenu, uId, uFlags, [&](const menus::Place& at) { state = at.item().flags; });
  return state;
}

// The item's former MF_GRAYED / MF_DISABLED state, or -1 when there is no such item.
BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable) {
  constexpr UINT kStates = MF_GRAYED | MF_DISABLED;
  BOOL before = -1;
  menus::edit_item(hMenu, uIDEnableItem, uEnable, [&](const menus::Place& at) {
    before = BOOL(at.item().flags & kStates);
    at.item().flags = (at.item().flags & ~kStates) | (uEnable & kStates);
  });
  return before;
}

}  // extern "C"
