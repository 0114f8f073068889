#include "user/menus.h"

#include <map>
#include <mutex>

namespace platform::user::menus {
namespace {

// Above the window and GDI handles' ranges, so that a mix-up names nothing.
constexpr uintptr_t kFirstMenu = 0x40000000;

struct Store {
  std::recursive_mutex mutex;  // edit_item looks into submenus while the outer menu is held
  std::map<uintptr_t, std::vector<Item>> menus;
  uintptr_t next = kFirstMenu;
};

Store& store() {
  static auto* s = new Store;  // menus may be touched from static destructors of programs
  return *s;
}

std::vector<Item>* items_of(Store& s, HMENU menu) {
  auto it = s.menus.find(reinterpret_cast<uintptr_t>(menu));
  return it == s.menus.end() ? nullptr : &it->second;
}

bool invalid() {
  SetLastError(ERROR_INVALID_MENU_HANDLE);
  return false;
}

bool find_command(Store& s, std::vector<Item>& items, UINT id, Place* found) {
  for (size_t i = 0; i < items.size(); ++i) {
    Item& item = items[i];
    if (!(item.flags & MF_POPUP) && !(item.flags & MF_SEPARATOR) && item.id == id) {
      *found = {&items, i};
      return true;
    }
    if (item.flags & MF_POPUP)
      if (std::vector<Item>* sub = items_of(s, reinterpret_cast<HMENU>(item.id)); sub && find_command(s, *sub, id, found))
        return true;
  }
  return false;
}

void forget(Store& s, HMENU menu) {
  auto it = s.menus.find(reinterpret_cast<uintptr_t>(menu));
  if (it == s.menus.end()) return;
  std::vector<Item> items = std::move(it->second);
  s.menus.erase(it);
  for (const Item& item : items)
    if (item.flags & MF_POPUP) forget(s, reinterpret_cast<HMENU>(item.id));
}

}  // namespace

HMENU create() {
  Store& s = store();
  std::lock_guard lock(s.mutex);
  uintptr_t handle = s.next;
  s.next += 4;
  s.menus[handle];
  return reinterpret_cast<HMENU>(handle);
}

bool destroy(HMENU menu) {
  Store& s = store();
  std::lock_guard lock(s.mutex);
  if (!items_of(s, menu)) return invalid();
  forget(s, menu);
  return true;
}

bool exists(HMENU menu) {
  Store& s = store();
  std::lock_guard lock(s.mutex);
  return items_of(s, menu) != nullptr;
}

bool edit(HMENU menu, const std::function<void(std::vector<Item>&)>& use) {
  Store& s = store();
  std::lock_guard lock(s.mutex);
  std::vector<Item>* items = items_of(s, menu);
  if (!items) return invalid();
  use(*items);
  return true;
}

bool edit_item(HMENU menu, UINT which, UINT flags, const std::function<void(const Place&)>& use) {
  Store& s = store();
  std::lock_guard lock(s.mutex);
  std::vector<Item>* items = items_of(s, menu);
  if (!items) return invalid();
  Place place;
  if (flags & MF_BYPOSITION) {
    if (which >= items->size()) return false;
    place = {items, which};
  } else if (!find_command(s, *items, which, &place)) {
    return false;
  }
  use(place);
  return true;
}

}  // namespace platform::user::menus
