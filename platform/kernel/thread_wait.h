// Waits of the calling thread, and the objects that keep state per waiting thread.
#pragma once

#include <memory>
#include <vector>

#include "kernel/object.h"

namespace platform {

// An object that must learn when a wait on it is over, satisfied or not (called with
// wait::mutex() held).
class WaitAware {
 public:
  virtual ~WaitAware() = default;
  virtual void wait_ended(DWORD tid) = 0;
};

namespace thread {

// The object a wait on handle `h` waits for (GetCurrentThread() included), or null.
std::shared_ptr<Waitable> waitable(HANDLE h);
// The objects behind `count` handles; false, with the last error set, when one is no handle to
// wait on or, waiting for all, two name one object.
bool waitables(const HANDLE* handles, DWORD count, bool wait_all, std::vector<std::shared_ptr<Waitable>>& objects);

// wait::for_objects for the calling thread; afterwards the objects learn that the wait is
// over. Every wait of a program goes through here.
DWORD wait_for(const std::vector<std::shared_ptr<Waitable>>& objects, bool wait_all, DWORD timeout_ms);

}  // namespace thread
}  // namespace platform
