// The message queue of a thread: posted messages, WM_QUIT, and work that other threads hand it
// (messages they send to its windows, requests of the automation channel), which the thread
// runs whenever it looks for messages or waits for a reply of its own.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <windows.h>

#include "kernel/object.h"
#include "kernel/wait.h"
#include "user/queue_timers.h"

namespace platform::user {

// A wait on the queue (MsgWaitForMultipleObjects) ends when a message or handed work waits,
// and looks again when a timer falls due.
class MessageQueue final : public Waitable, public ScheduledSignal {
 public:
  explicit MessageQueue(DWORD tid) : tid_(tid) {}
  DWORD tid() const { return tid_; }

  void post(const MSG& msg);
  // Ahead of every posted message: the character TranslateMessage makes of a key comes next.
  void post_next(const MSG& msg);
  void post_quit(int exit_code);
  // Whether a window of this queue's thread has a non-empty update region: WM_PAINT comes for it
  // after the posted messages and before the timers.
  void set_paint_pending(HWND hwnd, bool pending);
  // Drops what was posted to a window being destroyed, its paint and its timers.
  void drop_posted(HWND hwnd);
  // Guarded by wait::mutex(); changes must be followed by wait::notify of the queue.
  QueueTimers& timers() { return timers_; }
  // With wait::mutex() held: whether a message or handed work waits.
  bool signaled(DWORD tid) override;
  // With wait::mutex() held: when the next timer falls due.
  std::optional<int64_t> next_signal_ns() const override;
  // Hands `work` to the queue's thread; false when the thread has ended.
  bool hand(std::function<void()> work);

  // Calling thread must be the queue's. Runs handed work, then looks for a posted message that
  // matches (hwnd 0: any; min = max = 0: every message). Waits up to `timeout_ms` machine
  // milliseconds (INFINITE: until one comes). False when none came in time.
  bool next(MSG* msg, HWND hwnd, UINT min, UINT max, bool remove, DWORD timeout_ms);
  // Runs handed work until `done()` (checked under the queue's lock) is true or the thread of
  // `other` has ended (when given).
  void serve_until(const std::function<bool()>& done, const MessageQueue* other = nullptr);
  // Runs the work handed so far.
  void run_handed();

  void end();  // the thread has ended: refuse new work, release waiting senders
  bool ended() const { return ended_; }

 private:
  bool take_posted(MSG* msg, HWND hwnd, UINT min, UINT max, bool remove);

  DWORD tid_;
  std::deque<MSG> posted_;
  std::deque<std::function<void()>> handed_;
  std::vector<HWND> paint_pending_;  // in the order they became invalid
  QueueTimers timers_;
  bool quit_ = false;
  int quit_code_ = 0;
  bool ended_ = false;
};

// The calling thread's queue, made at its first use.
MessageQueue& current_queue();
// The queue of thread `tid`, or null when that thread has none.
std::shared_ptr<MessageQueue> queue_of(DWORD tid);

}  // namespace platform::user
