// Threads of the process: their ids and the objects behind thread handles.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include "kernel/object.h"

namespace platform {

// What a thread handle refers to. Signalled when the thread has ended.
class ThreadObject : public Waitable {
 public:
  virtual DWORD id() const = 0;
  // STILL_ACTIVE while the thread runs.
  virtual DWORD exit_code() = 0;
  // Lowers the suspend count; returns the count before, or (DWORD)-1 on failure.
  virtual DWORD resume() = 0;
  std::atomic<int> priority{THREAD_PRIORITY_NORMAL};
};

namespace thread {

// The calling thread's id (its Linux thread id): what waits and mutex ownership go by.
DWORD current_id();

// The object of the calling thread, also for threads the platform did not start; it is
// signalled when the thread ends.
std::shared_ptr<ThreadObject> current();

// Runs `body` on a new thread whose exit code is body's result; `suspended` holds it until
// resume(). Null (errno set) when no thread could be started.
std::shared_ptr<ThreadObject> start(std::function<DWORD()> body, bool suspended);

// Ends the calling thread now with `code` (ExitThread).
[[noreturn]] void exit(DWORD code);

}  // namespace thread
}  // namespace platform
