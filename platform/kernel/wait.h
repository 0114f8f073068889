// Waiting on kernel objects with time-outs in machine time.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "kernel/object.h"

namespace platform {

// Something that turns signalled by itself at a machine time it knows (a timer falling due),
// with nobody to notify its waiters then; a wait on it looks again at that time.
class ScheduledSignal {
 public:
  virtual ~ScheduledSignal() = default;
  // With wait::mutex() held: the machine time (ns) of the next such change, if any.
  virtual std::optional<int64_t> next_signal_ns() const = 0;
};

}  // namespace platform

namespace platform::wait {

// Guards the state of every Waitable of the process.
std::mutex& mutex();
// Wakes the threads waiting on `changed` (and those waiting on a condition of their own) to look
// again; call, without mutex() held, after a Waitable's state changed.
void notify(const Waitable* changed);
// Wakes every waiting and sleeping thread: the clock moved, or many objects changed at once.
void notify_all();

// WaitForSingleObject/WaitForMultipleObjects semantics for thread `tid`: WAIT_OBJECT_0 + i,
// WAIT_ABANDONED_0 + i or WAIT_TIMEOUT. `timeout_ms` is machine time; INFINITE waits forever.
// Objects that are also a ScheduledSignal are looked at again when they say.
DWORD for_objects(const std::vector<std::shared_ptr<Waitable>>& objects, bool wait_all, DWORD timeout_ms,
                  DWORD tid);

// Blocks until `ready()` (called with mutex() held) is true or the machine time-out passes.
// `poll` makes the wait look again every few real milliseconds, `schedule` when it says so.
// Returns ready()'s last answer.
bool until(std::unique_lock<std::mutex>& held, DWORD timeout_ms, bool poll, const std::function<bool()>& ready,
           const ScheduledSignal* schedule = nullptr);

// Sleep in machine time.
void sleep(DWORD ms);

}  // namespace platform::wait
