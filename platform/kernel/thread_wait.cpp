#include "kernel/thread_wait.h"

#include "kernel/thread.h"
#include "kernel/wait.h"

namespace platform::thread {

DWORD wait_for(const std::vector<std::shared_ptr<Waitable>>& objects, bool wait_all, DWORD timeout_ms) {
  DWORD tid = current_id();
  DWORD result = wait::for_objects(objects, wait_all, timeout_ms, tid);
  std::lock_guard held(wait::mutex());
  for (auto& object : objects)
    if (auto* aware = dynamic_cast<WaitAware*>(object.get())) aware->wait_ended(tid);
  return result;
}

}  // namespace platform::thread
