#include "kernel/mutex.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "kernel/thread.h"
#include "kernel/wait.h"

namespace platform {
namespace {

using OwnedList = std::vector<std::weak_ptr<Mutex>>;

// The mutexes this thread owns. A plain pointer, so that it stays usable while the thread's
// other thread-local objects are destroyed.
thread_local OwnedList* t_owned = nullptr;

struct OwnedGuard {
  ~OwnedGuard() { mutexes::abandon_owned_by_this_thread(); }
};
thread_local OwnedGuard t_owned_guard;

OwnedList& owned() {
  if (!t_owned) {
    t_owned = new OwnedList;
    (void)&t_owned_guard;  // odr-use: the guard runs at thread exit
  }
  return *t_owned;
}

void forget_owned(const Mutex* mutex) {
  if (!t_owned) return;
  std::erase_if(*t_owned, [mutex](const std::weak_ptr<Mutex>& m) {
    auto alive = m.lock();
    return !alive || alive.get() == mutex;
  });
}

}  // namespace

bool Mutex::signaled(DWORD tid) { return owner_ == tid || (owner_ == 0 && claim()); }

bool Mutex::acquire(DWORD tid) {
  if (owner_ == tid) {
    ++count_;
    return false;
  }
  owner_ = tid;
  count_ = 1;
  owned().push_back(weak_from_this());  // waits acquire for the calling thread
  return begin_ownership();
}

void Mutex::wait_ended(DWORD) {
  if (owner_ == 0) unclaim();
}

bool Mutex::release(DWORD tid) {
  if (owner_ != tid || count_ == 0) return false;
  if (--count_ == 0) {
    owner_ = 0;
    forget_owned(this);
    end_ownership(false);
  }
  return true;
}

void Mutex::abandon(DWORD tid) {
  if (owner_ != tid) return;
  owner_ = 0;
  count_ = 0;
  end_ownership(true);
}

bool Mutex::begin_ownership() { return std::exchange(abandoned_, false); }

void Mutex::end_ownership(bool abandoned) { abandoned_ = abandoned; }

namespace mutexes {

void abandon_owned_by_this_thread() {
  if (!t_owned) return;
  std::unique_ptr<OwnedList> list(std::exchange(t_owned, nullptr));
  std::vector<std::shared_ptr<Mutex>> alive;  // the last reference goes after the lock
  {
    DWORD tid = thread::current_id();
    std::lock_guard held(wait::mutex());
    for (auto& weak : *list) {
      if (auto mutex = weak.lock()) {
        mutex->abandon(tid);
        alive.push_back(std::move(mutex));
      }
    }
  }
  wait::notify_all();
}

}  // namespace mutexes
}  // namespace platform
