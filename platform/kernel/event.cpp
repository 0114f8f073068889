#include "kernel/event.h"

#include "kernel/wait.h"

namespace platform {

bool Event::signaled(DWORD tid) {
  if (set_ || pulsed_.count(tid)) return true;
  waiting_.insert(tid);
  return false;
}

bool Event::acquire(DWORD tid) {
  waiting_.erase(tid);
  if (manual_reset_) {
    pulsed_.erase(tid);
  } else {
    set_ = false;
    pulsed_.clear();  // a pulse releases one waiter only
  }
  return false;
}

void Event::wait_ended(DWORD tid) {
  waiting_.erase(tid);
  pulsed_.erase(tid);
}

void Event::set() {
  {
    std::lock_guard held(wait::mutex());
    set_ = true;
  }
  wait::notify(this);
}

void Event::reset() {
  std::lock_guard held(wait::mutex());
  set_ = false;
}

void Event::pulse() {
  {
    std::lock_guard held(wait::mutex());
    set_ = false;
    pulsed_ = waiting_;
  }
  wait::notify(this);
}

}  // namespace platform
