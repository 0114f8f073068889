// Mutexes: recursive ownership by one thread, abandonment when the owner ends without
// releasing. The machine-wide named mutex builds on this class.
#pragma once

#include <memory>

#include "kernel/object.h"
#include "kernel/thread_wait.h"

namespace platform {

// Every member is called with wait::mutex() held; whoever changes the state wakes the waiters.
class Mutex : public Waitable, public WaitAware, public std::enable_shared_from_this<Mutex> {
 public:
  bool signaled(DWORD tid) override;
  bool acquire(DWORD tid) override;
  void wait_ended(DWORD tid) override;
  // ReleaseMutex: false when `tid` does not own it.
  bool release(DWORD tid);
  // The owner `tid` ended without releasing it.
  void abandon(DWORD tid);

 protected:
  // Takes what other processes must not take at the same time; signaled() calls it for a
  // mutex no thread of this process owns, and it stays taken until ownership ends or unclaim().
  virtual bool claim() { return true; }
  // The claim was not turned into ownership.
  virtual void unclaim() {}
  // Ownership begins; true when the previous owner had abandoned the mutex.
  virtual bool begin_ownership();
  // Ownership ends, by a release or by abandonment.
  virtual void end_ownership(bool abandoned);

 private:
  DWORD owner_ = 0;
  LONG count_ = 0;
  bool abandoned_ = false;
};

namespace mutexes {

// Abandons the mutexes the calling thread still owns (the thread is ending).
void abandon_owned_by_this_thread();

}  // namespace mutexes
}  // namespace platform
