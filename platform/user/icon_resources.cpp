// Icons from a module's resources: the group directory (RT_GROUP_ICON) names the images
// (RT_ICON) of each size and colour depth.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "kernel/text.h"
#include "user/icons.h"

namespace platform::user::icons {
namespace {

constexpr uintptr_t kFirstIcon = 0x50000000;
constexpr size_t kDirectoryHeader = 6;  // reserved, type, count
constexpr size_t kDirectoryEntry = 14;  // width, height, colours, reserved, planes, bits, bytes, id

struct Entry {
  int width = 0, height = 0, bits = 0;
  WORD id = 0;
};

std::vector<Entry> directory(const uint8_t* data, size_t size) {
  std::vector<Entry> entries;
  if (!data || size < kDirectoryHeader) return entries;
  WORD count;
  std::memcpy(&count, data + 4, 2);
  for (size_t i = 0; i < count && kDirectoryHeader + (i + 1) * kDirectoryEntry <= size; ++i) {
    const uint8_t* e = data + kDirectoryHeader + i * kDirectoryEntry;
    Entry entry;
    entry.width = e[0] ? e[0] : 256;  // 0 stands for 256
    entry.height = e[1] ? e[1] : 256;
    WORD bits;
    std::memcpy(&bits, e + 6, 2);
    entry.bits = bits;
    std::memcpy(&entry.id, e + 12, 2);
    entries.push_back(entry);
  }
  return entries;
}

// The nearest size, a larger image before a smaller one as far off, then the most colours.
const Entry* nearest(const std::vector<Entry>& entries, int cx, int cy) {
  if (entries.empty()) return nullptr;
  if (cx == 0 && cy == 0) return &entries.front();
  auto rank = [&](const Entry& e) {
    int off = std::abs(e.width - cx) + std::abs(e.height - cy);
    return std::make_tuple(off, e.width < cx, -e.bits);
  };
  const Entry* best = &entries.front();
  for (const Entry& e : entries)
    if (rank(e) < rank(*best)) best = &e;
  return best;
}

template <class Resource>
std::pair<const uint8_t*, size_t> bytes_of(HINSTANCE instance, Resource name, LPCWSTR type) {
  HRSRC found = FindResourceW(instance, name, type);
  if (!found) return {nullptr, 0};
  return {static_cast<const uint8_t*>(LockResource(LoadResource(instance, found))), SizeofResource(instance, found)};
}

struct Table {
  std::mutex mutex;
  std::map<uintptr_t, std::shared_ptr<const Icon>> icons;
  std::map<std::tuple<HINSTANCE, std::u16string, int, int>, HICON> shared;
  uintptr_t next = kFirstIcon;
};

Table& table() {
  static auto* t = new Table;
  return *t;
}

std::u16string key_of(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return u"#" + text::from_ansi(std::to_string(reinterpret_cast<uintptr_t>(name)));
  return text::upper(text::from_wide(name));
}

}  // namespace

std::shared_ptr<const Icon> find(HICON icon) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  auto it = t.icons.find(reinterpret_cast<uintptr_t>(icon));
  return it == t.icons.end() ? nullptr : it->second;
}

HICON load(HINSTANCE instance, LPCWSTR name, int cx, int cy, bool shared) {
  if (!instance) {
    uintptr_t id = reinterpret_cast<uintptr_t>(name);
    if (HICON icon = standard(WORD(id)); IS_INTRESOURCE(name) && standard_id(icon)) return icon;
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  Table& t = table();
  auto key = std::make_tuple(instance, key_of(name), cx, cy);
  if (shared) {
    std::lock_guard lock(t.mutex);
    if (auto it = t.shared.find(key); it != t.shared.end()) return it->second;
  }
  auto [group, group_size] = bytes_of(instance, name, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  if (!group) return nullptr;  // FindResource's last error
  std::vector<Entry> entries = directory(group, group_size);
  const Entry* entry = nearest(entries, cx, cy);
  auto [image, image_size] =
      entry ? bytes_of(instance, MAKEINTRESOURCEW(entry->id), MAKEINTRESOURCEW(3)) : std::pair<const uint8_t*, size_t>{};  // RT_ICON
  auto icon = std::make_shared<Icon>();
  icon->image = gdi::decode_icon(image, image_size);
  if (!icon->image) {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  icon->size = cx || cy ? SIZE{cx, cy} : SIZE{icon->image->width(), icon->image->height()};
  std::lock_guard lock(t.mutex);
  HICON handle = reinterpret_cast<HICON>(t.next);
  t.next += 4;
  t.icons[reinterpret_cast<uintptr_t>(handle)] = icon;
  if (shared) t.shared[key] = handle;
  return handle;
}

bool destroy(HICON icon) {
  Table& t = table();
  std::lock_guard lock(t.mutex);
  uintptr_t value = reinterpret_cast<uintptr_t>(icon);
  if (!t.icons.count(value)) return false;
  for (const auto& [key, handle] : t.shared)
    if (handle == icon) return true;  // shared icons stay as long as their module
  t.icons.erase(value);
  return true;
}

}  // namespace platform::user::icons
