#include "user/proc_handles.h"

#include <mutex>
#include <vector>

namespace platform::user::procs {
namespace {

// The handles lie in the top 64 KiB of the 64-bit address space, where no program's code is:
// a handle is never taken for an address.
constexpr uintptr_t kHandleBase = ~uintptr_t(0xFFFF);
constexpr size_t kHandleCount = 0x10000;

struct Table {
  std::mutex mutex;
  std::vector<Resolved> entries;
};

Table& table() {
  static auto* t = new Table;
  return *t;
}

}  // namespace

WNDPROC for_caller(WNDPROC proc, bool proc_unicode, bool caller_unicode) {
  if (!proc || proc_unicode == caller_unicode) return proc;
  Table& t = table();
  std::lock_guard g(t.mutex);
  size_t i = 0;
  while (i < t.entries.size() && (t.entries[i].proc != proc || t.entries[i].unicode != proc_unicode)) ++i;
  if (i == t.entries.size()) {
    if (i == kHandleCount) return proc;  // out of handles: the caller gets the address itself
    t.entries.push_back(Resolved{proc, proc_unicode});
  }
  return reinterpret_cast<WNDPROC>(kHandleBase + i);
}

Resolved resolve(WNDPROC value, bool assumed_unicode) {
  uintptr_t v = reinterpret_cast<uintptr_t>(value);
  if (v >= kHandleBase) {
    Table& t = table();
    std::lock_guard g(t.mutex);
    if (v - kHandleBase < t.entries.size()) return t.entries[v - kHandleBase];
  }
  return Resolved{value, assumed_unicode};
}

}  // namespace platform::user::procs
