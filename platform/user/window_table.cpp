#include "user/window_table.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "kernel/machine.h"

namespace platform::user {
namespace {

constexpr uintptr_t kDesktop = 0x10000;

struct Table {
  std::mutex mutex;
  std::map<HWND, WindowPtr> windows;
  std::vector<HWND> order;  // creation order
};

Table& the_table() {
  static auto* t = new Table;
  return *t;
}

}  // namespace

WindowPtr find_window(HWND hwnd) {
  Table& t = the_table();
  std::lock_guard g(t.mutex);
  auto it = t.windows.find(hwnd);
  return it == t.windows.end() ? nullptr : it->second;
}

WindowPtr window_of(HWND hwnd) {
  WindowPtr w = find_window(hwnd);
  if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return w;
}

namespace table {

HWND allocate_handle(bool top_level) {
  machine::Transaction tx;
  machine::Statement insert("INSERT INTO desktop_windows(pid, top_level) VALUES(?, ?)");
  insert.bind(1, GetCurrentProcessId()).bind(2, top_level ? 1 : 0).step();
  long long id = sqlite3_last_insert_rowid(machine::db());
  uintptr_t value = kDesktop + 2 * uintptr_t(id);
  machine::Statement update("UPDATE desktop_windows SET hwnd = ? WHERE id = ?");
  update.bind(1, (long long)value).bind(2, id).step();
  tx.commit();
  return reinterpret_cast<HWND>(value);
}

void add(const WindowPtr& window) {
  Table& t = the_table();
  std::lock_guard g(t.mutex);
  t.windows[window->hwnd] = window;
  t.order.push_back(window->hwnd);
}

void remove(HWND hwnd) {
  {
    Table& t = the_table();
    std::lock_guard g(t.mutex);
    t.windows.erase(hwnd);
    std::erase(t.order, hwnd);
  }
  machine::Statement s("DELETE FROM desktop_windows WHERE hwnd = ?");
  s.bind(1, (long long)reinterpret_cast<uintptr_t>(hwnd)).step();
}

template <class Keep>
std::vector<WindowPtr> select(Keep keep) {
  Table& t = the_table();
  std::lock_guard g(t.mutex);
  std::vector<WindowPtr> out;
  for (HWND h : t.order) {
    const WindowPtr& w = t.windows[h];
    if (keep(*w)) out.push_back(w);
  }
  return out;
}

std::vector<WindowPtr> top_levels() {
  return select([](const Window& w) { return !w.parent; });
}

std::vector<WindowPtr> of_thread(DWORD tid) {
  return select([tid](const Window& w) { return w.tid == tid; });
}

HWND desktop_handle() { return reinterpret_cast<HWND>(kDesktop); }

}  // namespace table
}  // namespace platform::user
