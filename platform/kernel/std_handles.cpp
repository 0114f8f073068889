// GetStdHandle and SetStdHandle. The handles are made on first use from what the creator handed
// over: console handles and plain descriptors over the process's descriptors 0, 1 and 2 (which
// the C runtime writes to as well), or inherited handles.
#include "kernel/std_handles.h"

#include <array>
#include <mutex>

#include "kernel/creator_protocol.h"
#include "kernel/handles.h"

namespace platform::std_handles {
namespace {

struct Slots {
  std::mutex lock;
  std::array<HANDLE, 3> handles{};
};

HANDLE add_over(int fd, const std::shared_ptr<console::Console>& console) {
  if (fd < 0) return nullptr;
  if (console) return handles::add(std::make_shared<console::ConsoleHandle>(console, fd));
  return handles::add(std::make_shared<FdObject>(fd));
}

HANDLE initial(int slot) {
  const creator::Inheritance& given = creator::received();
  if (!given.from_creator) return add_over(duplicate_fd(slot), console::current());
  const creator::StdSlot& s = given.std_slots[slot];
  switch (s.kind) {
    case creator::StdSlot::kConsole: return add_over(duplicate_fd(slot), console::current());
    case creator::StdSlot::kDescriptor: return add_over(duplicate_fd(slot), nullptr);
    case creator::StdSlot::kHandle: return s.handle;
    case creator::StdSlot::kNone: break;
  }
  return nullptr;
}

Slots& slots() {
  static Slots* s = [] {
    auto* fresh = new Slots;  // used by threads still running at exit
    for (int i = 0; i < 3; ++i) fresh->handles[i] = initial(i);
    return fresh;
  }();
  return *s;
}

bool usable(HANDLE h) {
  auto object = handles::get(h);
  if (!object) return false;
  auto console_handle = std::dynamic_pointer_cast<console::ConsoleHandle>(object);
  return !console_handle || console_handle->attached();
}

// STD_INPUT_HANDLE (-10), STD_OUTPUT_HANDLE (-11), STD_ERROR_HANDLE (-12) as 0, 1, 2; -1 otherwise.
int slot_of(DWORD id) {
  DWORD slot = STD_INPUT_HANDLE - id;
  return slot < 3 ? int(slot) : -1;
}

}  // namespace

HANDLE get(int slot) {
  Slots& s = slots();
  std::lock_guard g(s.lock);
  return s.handles[slot];
}

void set(int slot, HANDLE handle) {
  Slots& s = slots();
  std::lock_guard g(s.lock);
  s.handles[slot] = handle;
}

void fill_from(const std::shared_ptr<console::Console>& console) {
  Slots& s = slots();
  std::lock_guard g(s.lock);
  for (HANDLE& h : s.handles)
    if (!usable(h)) h = add_over(duplicate_fd(console->fd()), console);
}

}  // namespace platform::std_handles

extern "C" {

HANDLE WINAPI GetStdHandle(DWORD nStdHandle) {
  int slot = platform::std_handles::slot_of(nStdHandle);
  if (slot < 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return INVALID_HANDLE_VALUE;
  }
  return platform::std_handles::get(slot);
}

BOOL WINAPI SetStdHandle(DWORD nStdHandle, HANDLE hHandle) {
  int slot = platform::std_handles::slot_of(nStdHandle);
  if (slot < 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  platform::std_handles::set(slot, hHandle);
  return TRUE;
}

}  // extern "C"
