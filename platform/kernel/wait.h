// Waiting on kernel objects with time-outs in machine time.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "kernel/object.h"

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
DWORD for_objects(const std::vector<std::shared_ptr<Waitable>>& objects, bool wait_all, DWORD timeout_ms,
                  DWORD tid);

// Blocks until `ready()` (called with mutex() held) is true or the machine time-out passes.
// `poll` makes the wait look again every few real milliseconds. Returns ready()'s last answer.
bool until(std::unique_lock<std::mutex>& held, DWORD timeout_ms, bool poll, const std::function<bool()>& ready);

// Sleep in machine time.
void sleep(DWORD ms);

}  // namespace platform::wait
