// SetTimer / KillTimer, and MsgWaitForMultipleObjects, which also wakes for a due timer.
#include <windows.h>

#include <mutex>

#include "machine/clock.h"
#include "kernel/thread.h"
#include "kernel/thread_wait.h"
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
  wait::notify(q.get());
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
  if (!thread::waitables(pHandles, nCount, fWaitAll, objects)) return WAIT_FAILED;
  std::shared_ptr<MessageQueue> queue = queue_for(nullptr);
  queue->run_handed();
  // The queue is one more object after the caller's: its input is WAIT_OBJECT_0 + nCount.
  objects.push_back(std::move(queue));
  return thread::wait_for(objects, fWaitAll, dwMilliseconds);
}

}  // extern "C"
