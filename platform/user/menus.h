// The menus of this process behind their HMENU handles, shared by every thread: lists of items,
// each a command, a separator or a submenu.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace platform::user::menus {

struct Item {
  UINT flags = 0;   // MF_SEPARATOR, MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_POPUP, ...
  UINT_PTR id = 0;  // the command id, or the submenu of an MF_POPUP item
  std::u16string text;
};

HMENU create();
// Forgets the menu and its submenus; false (ERROR_INVALID_MENU_HANDLE) for a handle that names none.
bool destroy(HMENU menu);
bool exists(HMENU menu);

// Where an item stands: the list that holds it and its index there.
struct Place {
  std::vector<Item>* items = nullptr;
  size_t index = 0;
  Item& item() const { return (*items)[index]; }
};

// Runs `use` with the items of `menu` under the menus' lock; false (ERROR_INVALID_MENU_HANDLE)
// for a handle that names no menu.
bool edit(HMENU menu, const std::function<void(std::vector<Item>&)>& use);
// Runs `use` with the item that `which` names in `menu` (MF_BYPOSITION: its position, otherwise
// its command id, looked for in the submenus too); false when there is no such item.
bool edit_item(HMENU menu, UINT which, UINT flags, const std::function<void(const Place&)>& use);

}  // namespace platform::user::menus
