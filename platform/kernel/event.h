// Events, manual-reset and auto-reset.
#pragma once

#include <set>

#include "kernel/object.h"
#include "kernel/thread_wait.h"

namespace platform {

class Event final : public Waitable, public WaitAware {
 public:
  Event(bool manual_reset, bool initially_set) : manual_reset_(manual_reset), set_(initially_set) {}

  // With wait::mutex() held.
  bool signaled(DWORD tid) override;
  bool acquire(DWORD tid) override;
  void wait_ended(DWORD tid) override;

  // Each takes wait::mutex() and wakes the waiters.
  void set();
  void reset();
  // Releases the threads waiting now (an auto-reset event: one of them) and leaves it unset.
  void pulse();

 private:
  const bool manual_reset_;
  bool set_;
  std::set<DWORD> waiting_;  // threads in a wait that found the event unset
  std::set<DWORD> pulsed_;   // those of them a pulse released
};

}  // namespace platform
