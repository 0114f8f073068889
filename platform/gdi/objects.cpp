#include "gdi/objects.h"

#include <mutex>
#include <unordered_map>

namespace platform::gdi::objects {
namespace {

// Handles stay clear of the window manager's icon and font ranges.
constexpr uintptr_t kFirstHandle = 0x01000000;
constexpr uintptr_t kHandleStep = 4;

struct Entry {
  std::shared_ptr<Object> object;
  bool permanent = false;
};

struct Table {
  std::mutex mutex;
  std::unordered_map<uintptr_t, Entry> entries;
  uintptr_t next = kFirstHandle;
};

Table& table() {
  static auto* t = new Table;  // never destroyed: other threads may still paint at exit
  return *t;
}

uintptr_t key(HGDIOBJ handle) { return reinterpret_cast<uintptr_t>(handle); }

}  // namespace

HGDIOBJ add(std::shared_ptr<Object> object, bool permanent) {
  Table& t = table();
  std::lock_guard g(t.mutex);
  uintptr_t handle = t.next;
  t.next += kHandleStep;
  t.entries.emplace(handle, Entry{std::move(object), permanent});
  return reinterpret_cast<HGDIOBJ>(handle);
}

std::shared_ptr<Object> find(HGDIOBJ handle) {
  Table& t = table();
  std::lock_guard g(t.mutex);
  auto it = t.entries.find(key(handle));
  return it == t.entries.end() ? nullptr : it->second.object;
}

bool permanent(HGDIOBJ handle) {
  Table& t = table();
  std::lock_guard g(t.mutex);
  auto it = t.entries.find(key(handle));
  return it != t.entries.end() && it->second.permanent;
}

bool remove(HGDIOBJ handle) {
  std::shared_ptr<Object> released;  // destroyed outside the lock
  Table& t = table();
  std::lock_guard g(t.mutex);
  auto it = t.entries.find(key(handle));
  if (it == t.entries.end()) return false;
  if (it->second.permanent) return true;
  released = std::move(it->second.object);
  t.entries.erase(it);
  return true;
}

}  // namespace platform::gdi::objects
