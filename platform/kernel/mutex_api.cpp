// CreateMutex, OpenMutex, ReleaseMutex.
#include <windows.h>

#include "kernel/named_mutex.h"
#include "kernel/object_names.h"
#include "kernel/thread.h"
#include "kernel/wait.h"

namespace {

using platform::Mutex;
using platform::NamedMutex;
namespace names = platform::object_names;

HANDLE create_mutex(LPSECURITY_ATTRIBUTES attributes, BOOL initial_owner, const std::u16string& key) {
  bool inheritable = attributes && attributes->bInheritHandle;
  DWORD owner = initial_owner ? platform::thread::current_id() : 0;
  if (key.empty()) {
    auto mutex = std::make_shared<Mutex>();
    if (owner) {
      std::lock_guard held(platform::wait::mutex());
      mutex->acquire(owner);
    }
    SetLastError(ERROR_SUCCESS);
    return platform::handles::add(std::move(mutex), inheritable);
  }
  // An existing mutex keeps its owner: bInitialOwner counts for its creator only.
  return names::handle_for<Mutex>(key, true, inheritable,
                                  [&](bool* existed) { return NamedMutex::open(key, true, owner, existed); });
}

HANDLE open_mutex(BOOL inherit, const std::u16string& key) {
  if (key.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return names::handle_for<Mutex>(key, false, inherit,
                                  [&](bool* existed) { return NamedMutex::open(key, false, 0, existed); });
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES attributes, BOOL initial_owner, LPCSTR name) {
  return create_mutex(attributes, initial_owner, names::key(name));
}

HANDLE WINAPI CreateMutexW(LPSECURITY_ATTRIBUTES attributes, BOOL initial_owner, LPCWSTR name) {
  return create_mutex(attributes, initial_owner, names::key(name));
}

HANDLE WINAPI OpenMutexA(DWORD, BOOL inherit, LPCSTR name) { return open_mutex(inherit, names::key(name)); }

HANDLE WINAPI OpenMutexW(DWORD, BOOL inherit, LPCWSTR name) { return open_mutex(inherit, names::key(name)); }

BOOL WINAPI ReleaseMutex(HANDLE h) {
  auto mutex = platform::handles::get_as<Mutex>(h);
  if (!mutex) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  bool released;
  {
    std::lock_guard held(platform::wait::mutex());
    released = mutex->release(platform::thread::current_id());
  }
  if (!released) {
    SetLastError(ERROR_NOT_OWNER);
    return FALSE;
  }
  platform::wait::notify(mutex.get());
  return TRUE;
}

}  // extern "C"
