#include "kernel/wait.h"

#include <algorithm>
#include <chrono>

#include "kernel/clock.h"

namespace winsim::wait {
namespace {

std::condition_variable& cv() {
  static auto* c = new std::condition_variable;
  return *c;
}

constexpr auto kPollInterval = std::chrono::milliseconds(2);

}  // namespace

std::mutex& mutex() {
  static auto* m = new std::mutex;
  return *m;
}

void notify_all() {
  { std::lock_guard g(mutex()); }  // a waiter between its check and its sleep sees the change
  cv().notify_all();
}

bool until(std::unique_lock<std::mutex>& held, DWORD timeout_ms, bool poll, const std::function<bool()>& ready) {
  const bool forever = timeout_ms == INFINITE;
  const int64_t deadline = forever ? 0 : clock::now_ns() + int64_t(timeout_ms) * 1000000;
  for (;;) {
    if (ready()) return true;
    if (timeout_ms == 0) return false;
    std::chrono::nanoseconds step = std::chrono::hours(1);
    if (!forever) {
      int64_t left = deadline - clock::now_ns();
      if (left <= 0) return false;
      // A manual clock moves only by advance(), which notifies; real time does not matter then.
      if (!clock::is_manual()) step = std::min(step, clock::real_duration(left) + std::chrono::microseconds(50));
    }
    if (poll) step = std::min<std::chrono::nanoseconds>(step, kPollInterval);
    cv().wait_for(held, step);
  }
}

DWORD for_objects(const std::vector<std::shared_ptr<Waitable>>& objects, bool wait_all, DWORD timeout_ms,
                  DWORD tid) {
  std::unique_lock held(mutex());
  bool poll = std::any_of(objects.begin(), objects.end(), [](const auto& o) { return o->polled(); });
  DWORD result = WAIT_TIMEOUT;
  until(held, timeout_ms, poll, [&] {
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
  until(held, ms, false, [] { return false; });
}

}  // namespace winsim::wait
