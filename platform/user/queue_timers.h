// The timers of one thread's queue. WM_TIMER is never posted: a due timer makes one when the
// queue has nothing else to give, so however many periods pass, one WM_TIMER per timer waits.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <windows.h>

namespace platform::user {

class QueueTimers {
 public:
  // Callers hold wait::mutex(). Returns the timer's id (a fresh one for a thread timer that
  // names none of its own).
  UINT_PTR set(HWND hwnd, UINT_PTR id, UINT elapse_ms, TIMERPROC proc, int64_t now_ns);
  bool kill(HWND hwnd, UINT_PTR id);
  void kill_window(HWND hwnd);
  // The WM_TIMER of the timer that is due first and matches the filter; `remove` starts its
  // next period.
  bool take_due(MSG* msg, HWND hwnd, UINT min, UINT max, bool remove, int64_t now_ns);
  // When the next timer falls due, if any runs.
  std::optional<int64_t> next_due_ns() const;

 private:
  struct Timer {
    HWND hwnd;
    UINT_PTR id;
    int64_t period_ns;
    int64_t due_ns;
    TIMERPROC proc;
  };
  std::vector<Timer> timers_;
  UINT_PTR next_thread_id_ = 1;
};

}  // namespace platform::user
