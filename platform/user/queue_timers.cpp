#include "user/queue_timers.h"

#include <algorithm>

#include "machine/clock.h"

namespace platform::user {

UINT_PTR QueueTimers::set(HWND hwnd, UINT_PTR id, UINT elapse_ms, TIMERPROC proc, int64_t now_ns) {
  elapse_ms = std::clamp<UINT>(elapse_ms, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  auto same = [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; };
  auto found = std::find_if(timers_.begin(), timers_.end(), same);
  // A thread timer is replaced only when its own id is named; otherwise it gets a new one.
  if (!hwnd && found == timers_.end()) id = next_thread_id_++;
  const int64_t period = int64_t(elapse_ms) * 1000000;
  if (found != timers_.end()) {
    found->period_ns = period;
    found->due_ns = now_ns + period;
    found->proc = proc;
  } else {
    timers_.push_back(Timer{hwnd, id, period, now_ns + period, proc});
  }
  return id;
}

bool QueueTimers::kill(HWND hwnd, UINT_PTR id) {
  return std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void QueueTimers::kill_window(HWND hwnd) {
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

bool QueueTimers::take_due(MSG* msg, HWND hwnd, UINT min, UINT max, bool remove, int64_t now_ns) {
  if (!((min == 0 && max == 0) || (WM_TIMER >= min && WM_TIMER <= max))) return false;
  Timer* first = nullptr;
  for (Timer& t : timers_) {
    if (t.due_ns > now_ns || (hwnd && t.hwnd != hwnd)) continue;
    if (!first || t.due_ns < first->due_ns) first = &t;
  }
  if (!first) return false;
  *msg = MSG{first->hwnd, WM_TIMER, first->id, LPARAM(first->proc), DWORD(clock::since_boot_ms()), {}};
  if (remove) {
    // The periods that passed unserved are dropped; the timer keeps its rhythm.
    int64_t missed = (now_ns - first->due_ns) / first->period_ns;
    first->due_ns += (missed + 1) * first->period_ns;
  }
  return true;
}

std::optional<int64_t> QueueTimers::next_due_ns() const {
  std::optional<int64_t> next;
  for (const Timer& t : timers_)
    if (!next || t.due_ns < *next) next = t.due_ns;
  return next;
}

}  // namespace platform::user
