#include "kernel/handles.h"

#include <map>
#include <mutex>

#include "kernel/creator_protocol.h"

namespace platform::handles {
namespace {

struct Entry {
  std::shared_ptr<Object> object;
  DWORD flags = 0;
};

struct Table {
  std::mutex lock;
  std::map<uintptr_t, Entry> entries;
  uintptr_t next = 4;
};

Table& table() {
  static Table* t = [] {
    auto* fresh = new Table;  // outlives static destructors of threads still running at exit
    // A child finds the handles it inherited at their values before it makes any of its own.
    for (auto& [value, object] : creator::startup_handles())
      fresh->entries[reinterpret_cast<uintptr_t>(value)] = Entry{std::move(object), HANDLE_FLAG_INHERIT};
    return fresh;
  }();
  return *t;
}

uintptr_t key(HANDLE h) { return reinterpret_cast<uintptr_t>(h); }

}  // namespace

HANDLE add(std::shared_ptr<Object> object, bool inheritable) {
  Table& t = table();
  std::lock_guard g(t.lock);
  while (t.entries.count(t.next)) t.next += 4;
  uintptr_t value = t.next;
  t.next += 4;
  t.entries[value] = Entry{std::move(object), inheritable ? DWORD(HANDLE_FLAG_INHERIT) : 0};
  return reinterpret_cast<HANDLE>(value);
}

bool add_at(HANDLE value, std::shared_ptr<Object> object, bool inheritable) {
  Table& t = table();
  std::lock_guard g(t.lock);
  uintptr_t k = key(value);
  if (k == 0 || k % 4 != 0 || t.entries.count(k)) return false;
  t.entries[k] = Entry{std::move(object), inheritable ? DWORD(HANDLE_FLAG_INHERIT) : 0};
  return true;
}

std::shared_ptr<Object> get(HANDLE value) {
  Table& t = table();
  std::lock_guard g(t.lock);
  auto it = t.entries.find(key(value));
  return it == t.entries.end() ? nullptr : it->second.object;
}

bool close(HANDLE value) {
  std::shared_ptr<Object> doomed;  // released outside the lock: a destructor may close handles
  Table& t = table();
  std::lock_guard g(t.lock);
  auto it = t.entries.find(key(value));
  if (it == t.entries.end() || (it->second.flags & HANDLE_FLAG_PROTECT_FROM_CLOSE)) return false;
  doomed = std::move(it->second.object);
  t.entries.erase(it);
  return true;
}

bool flags(HANDLE value, DWORD* out) {
  Table& t = table();
  std::lock_guard g(t.lock);
  auto it = t.entries.find(key(value));
  if (it == t.entries.end()) return false;
  *out = it->second.flags;
  return true;
}

bool set_flags(HANDLE value, DWORD mask, DWORD flags) {
  Table& t = table();
  std::lock_guard g(t.lock);
  auto it = t.entries.find(key(value));
  if (it == t.entries.end()) return false;
  it->second.flags = (it->second.flags & ~mask) | (flags & mask);
  return true;
}

std::vector<std::pair<HANDLE, std::shared_ptr<Object>>> inheritable() {
  Table& t = table();
  std::lock_guard g(t.lock);
  std::vector<std::pair<HANDLE, std::shared_ptr<Object>>> out;
  for (auto& [k, e] : t.entries)
    if (e.flags & HANDLE_FLAG_INHERIT) out.emplace_back(reinterpret_cast<HANDLE>(k), e.object);
  return out;
}

}  // namespace platform::handles
