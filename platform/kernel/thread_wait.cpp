#include "kernel/thread_wait.h"

#include <algorithm>

#include "kernel/handles.h"
#include "kernel/thread.h"
#include "kernel/wait.h"

namespace platform::thread {

std::shared_ptr<Waitable> waitable(HANDLE h) {
  if (h == GetCurrentThread()) return current();
  return handles::get_as<Waitable>(h);
}

bool waitables(const HANDLE* handles, DWORD count, bool wait_all, std::vector<std::shared_ptr<Waitable>>& objects) {
  for (DWORD i = 0; i < count; ++i) {
    auto object = waitable(handles[i]);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return false;
    }
    // Waiting for all of one object twice, even through two handles, is refused.
    if (wait_all && std::find(objects.begin(), objects.end(), object) != objects.end()) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return false;
    }
    objects.push_back(std::move(object));
  }
  return true;
}

DWORD wait_for(const std::vector<std::shared_ptr<Waitable>>& objects, bool wait_all, DWORD timeout_ms) {
  DWORD tid = current_id();
  DWORD result = wait::for_objects(objects, wait_all, timeout_ms, tid);
  std::lock_guard held(wait::mutex());
  for (auto& object : objects)
    if (auto* aware = dynamic_cast<WaitAware*>(object.get())) aware->wait_ended(tid);
  return result;
}

}  // namespace platform::thread
