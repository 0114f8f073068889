// SetTimer / KillTimer, and MsgWaitForMultipleObjects, which also wakes for a due timer.
#include <windows.h>

#include <algorithm>
#include <mutex>

#include "kernel/clock.h"
#include "kernel/handles.h"
#include "kernel/thread.h"
#include "kernel/wait.h"
#include "user/message_queue.h"
#include "user/window.h"

namespace {

using namespace platform;
using namespace platform::user;

// A window's timers live in the queue of the window's thread; thread timers in the caller's.
std::shared_ptr<MessageQueue> queue_for(HWND hwnd) {
  if (!hwnd) {
    current_queue();
    return queue_of(thread::current_id());
  }
  WindowPtr w = window_of(hwnd);
  return w ? queue_of(w->tid) : nullptr;
}

}  // namespace

extern "C" {

UINT_PTR WINAPI SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  std::shared_ptr<MessageQueue> q = queue_for(hWnd);
  if (!q) return 0;
  UINT_PTR id;
  {
    std::lock_guard g(wait::mutex());
    id = q->timers().set(hWnd, nIDEvent, uElapse, lpTimerFunc, clock::now_ns());
  }
  wait::notify(nullptr);
  // A window timer with id 0 still succeeds.
  return hWnd && id == 0 ? 1 : id;
}

BOOL WINAPI KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  std::shared_ptr<MessageQueue> q = queue_for(hWnd);
  if (!q) return FALSE;
  std::lock_guard g(wait::mutex());
  if (q->timers().kill(hWnd, uIDEvent)) return TRUE;
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

DWORD WINAPI MsgWaitForMultipleObjects(DWORD nCount, const HANDLE* pHandles, BOOL fWaitAll, DWORD dwMilliseconds,
                                       DWORD) {
  if (nCount >= MAXIMUM_WAIT_OBJECTS || (nCount && !pHandles)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  std::vector<std::shared_ptr<Waitable>> objects;
  for (DWORD i = 0; i < nCount; ++i) {
    auto object = handles::get_as<Waitable>(pHandles[i]);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    objects.push_back(std::move(object));
  }
  MessageQueue& queue = current_queue();
  queue.run_handed();
  const DWORD tid = thread::current_id();
  const bool poll = std::any_of(objects.begin(), objects.end(), [](const auto& o) { return o->polled(); });
  const int64_t deadline = clock::now_ns() + int64_t(dwMilliseconds) * 1000000;
  std::unique_lock held(wait::mutex());
  DWORD result = WAIT_TIMEOUT;
  // Waiting for all asks for every object and input together.
  auto ready = [&] {
    const bool input = queue.has_input();
    if (fWaitAll && nCount) {
      if (!input || !std::all_of(objects.begin(), objects.end(), [&](const auto& o) { return o->signaled(tid); }))
        return false;
      bool abandoned = false;
      for (auto& o : objects) abandoned |= o->acquire(tid);
      result = abandoned ? WAIT_ABANDONED_0 : WAIT_OBJECT_0;
      return true;
    }
    if (input) {
      result = WAIT_OBJECT_0 + nCount;
      return true;
    }
    for (DWORD i = 0; i < nCount; ++i) {
      if (!objects[i]->signaled(tid)) continue;
      result = (objects[i]->acquire(tid) ? WAIT_ABANDONED_0 : WAIT_OBJECT_0) + i;
      return true;
    }
    return false;
  };
  // Re-looks whenever the wait could end for a timer that falls due meanwhile.
  for (;;) {
    DWORD left = INFINITE;
    if (dwMilliseconds != INFINITE) {
      int64_t rest = deadline - clock::now_ns();
      left = rest <= 0 ? 0 : DWORD((rest + 999999) / 1000000);
    }
    if (wait::until(held, queue.wait_bound(left), poll, ready)) return result;
    if (left == 0 || (dwMilliseconds != INFINITE && clock::now_ns() >= deadline)) return WAIT_TIMEOUT;
  }
}

}  // extern "C"
