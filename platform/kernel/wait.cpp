#include "kernel/wait.h"

#include <algorithm>
#include <chrono>

#include "machine/clock.h"

namespace platform::wait {
namespace {

// One per blocked thread, listed while it waits, so that a change wakes only the threads it
// concerns instead of every thread of the process.
struct Waiter {
  enum Kind { kObjects, kCondition, kSleep };
  Kind kind;
  const std::vector<std::shared_ptr<Waitable>>* objects;
  const ScheduledSignal* schedule;  // a condition's own scheduled change
  std::condition_variable cv;
};

// Guarded by mutex().
std::vector<Waiter*>& waiters() {
  static auto* list = new std::vector<Waiter*>;
  return *list;
}

bool concerns(const Waiter& waiter, const Waitable* changed) {
  if (waiter.kind == Waiter::kCondition) return true;
  if (waiter.kind == Waiter::kSleep) return false;
  return std::any_of(waiter.objects->begin(), waiter.objects->end(),
                     [changed](const auto& o) { return o.get() == changed; });
}

// The first machine time after `now` at which something the waiter waits on turns signalled by
// itself. One already passed is left out: that signal is there, or the waiter does not want it.
std::optional<int64_t> next_scheduled(const Waiter& waiter, int64_t now) {
  std::optional<int64_t> next;
  auto consider = [&](const ScheduledSignal* schedule) {
    if (!schedule) return;
    std::optional<int64_t> at = schedule->next_signal_ns();
    if (at && *at > now && (!next || *at < *next)) next = at;
  };
  consider(waiter.schedule);
  if (waiter.objects)
    for (const auto& o : *waiter.objects) consider(dynamic_cast<const ScheduledSignal*>(o.get()));
  return next;
}

constexpr auto kPollInterval = std::chrono::milliseconds(2);

bool wait_as(Waiter& waiter, std::unique_lock<std::mutex>& held, DWORD timeout_ms, bool poll,
             const std::function<bool()>& ready) {
  waiters().push_back(&waiter);
  struct Unlist {
    Waiter* w;
    ~Unlist() { std::erase(waiters(), w); }
  } unlist{&waiter};
  const bool forever = timeout_ms == INFINITE;
  const int64_t deadline = forever ? 0 : clock::now_ns() + int64_t(timeout_ms) * 1000000;
  for (;;) {
    if (ready()) return true;
    if (timeout_ms == 0) return false;
    const int64_t now = clock::now_ns();
    if (!forever && deadline <= now) return false;
    std::chrono::nanoseconds step = std::chrono::hours(1);
    // A manual clock moves only by advance(), which notifies; real time does not matter then.
    if (!clock::is_manual()) {
      std::optional<int64_t> look_again = next_scheduled(waiter, now);
      if (!forever && (!look_again || deadline < *look_again)) look_again = deadline;
      if (look_again) step = std::min(step, clock::real_duration(*look_again - now) + std::chrono::microseconds(50));
    }
    if (poll) step = std::min<std::chrono::nanoseconds>(step, kPollInterval);
    waiter.cv.wait_for(held, step);
  }
}

}  // namespace

std::mutex& mutex() {
  static auto* m = new std::mutex;
  return *m;
}

// Waiters are woken under the lock: one that is between its check and its sleep holds it, so
// it sees the change before it sleeps.
void notify(const Waitable* changed) {
  std::lock_guard g(mutex());
  for (Waiter* w : waiters())
    if (concerns(*w, changed)) w->cv.notify_one();
}

void notify_all() {
  std::lock_guard g(mutex());
  for (Waiter* w : waiters()) w->cv.notify_one();
}

bool until(std::unique_lock<std::mutex>& held, DWORD timeout_ms, bool poll, const std::function<bool()>& ready,
           const ScheduledSignal* schedule) {
  Waiter waiter{Waiter::kCondition, nullptr, schedule, {}};
  return wait_as(waiter, held, timeout_ms, poll, ready);
}

DWORD for_objects(const std::vector<std::shared_ptr<Waitable>>& objects, bool wait_all, DWORD timeout_ms,
                  DWORD tid) {
  std::unique_lock held(mutex());
  bool poll = std::any_of(objects.begin(), objects.end(), [](const auto& o) { return o->polled(); });
  DWORD result = WAIT_TIMEOUT;
  Waiter waiter{Waiter::kObjects, &objects, nullptr, {}};
  wait_as(waiter, held, timeout_ms, poll, [&] {
    if (wait_all) {
      for (auto& o : objects)
        if (!o->signaled(tid)) return false;
      bool abandoned = false;
      for (auto& o : objects) abandoned |= o->acquire(tid);
      result = abandoned ? WAIT_ABANDONED_0 : WAIT_OBJECT_0;
      return true;
    }
    for (size_t i = 0; i < objects.size(); ++i) {
      if (objects[i]->signaled(tid)) {
        result = (objects[i]->acquire(tid) ? WAIT_ABANDONED_0 : WAIT_OBJECT_0) + DWORD(i);
        return true;
      }
    }
    return false;
  });
  return result;
}

void sleep(DWORD ms) {
  std::unique_lock held(mutex());
  Waiter waiter{Waiter::kSleep, nullptr, nullptr, {}};
  wait_as(waiter, held, ms, false, [] { return false; });
}

}  // namespace platform::wait
