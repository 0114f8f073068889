// Named change counters that every process of the machine sees: a process that changed shared
// state bumps its signal, and a watcher in any process wakes without polling.
//
// Each signal is a file under <root>/objects/signals/ holding its generation (8 bytes, taken
// under an exclusive file lock to bump, a shared one to read). Waiters watch the folder with
// inotify, so a bump in any process wakes them at once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::machine_signal {

// Moves the signal one generation on.
void bump(std::string_view name);
// The signal's generation now: 0 for a signal never bumped.
uint64_t generation(std::string_view name);

// Blocks until one of the named signals moves past the generation given with it, until the
// machine-time time-out passes (INFINITE, 0xFFFFFFFF, waits forever) or until another thread
// of this process calls interrupt_waits(). True when a signal moved.
bool wait_change(const std::vector<std::pair<std::string, uint64_t>>& seen, uint32_t timeout_ms);

// Ends the wait_change calls of this process that are under way, or else the next one of each
// thread that waited before, so that their callers look again (at state of their own, or at
// another machine after attach()).
void interrupt_waits();

}  // namespace platform::machine_signal
