#include "user/message_queue.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "machine/clock.h"
#include "kernel/thread.h"
#include "kernel/wait.h"
#include "user/update_region.h"

namespace platform::user {
namespace {

std::map<DWORD, std::shared_ptr<MessageQueue>>& queues() {  // guarded by wait::mutex()
  static auto* q = new std::map<DWORD, std::shared_ptr<MessageQueue>>;
  return *q;
}

// Ends the thread's queue with the thread, so that nobody waits for it any longer.
struct QueueOwner {
  std::shared_ptr<MessageQueue> queue;
  ~QueueOwner() {
    if (queue) queue->end();
  }
};

bool matches(const MSG& m, HWND hwnd, UINT min, UINT max) {
  if (hwnd && m.hwnd != hwnd) return false;
  return (min == 0 && max == 0) || (m.message >= min && m.message <= max);
}

}  // namespace

void MessageQueue::post(const MSG& msg) {
  {
    std::lock_guard g(wait::mutex());
    posted_.push_back(msg);
  }
  wait::notify(this);
}

void MessageQueue::post_next(const MSG& msg) {
  {
    std::lock_guard g(wait::mutex());
    posted_.push_front(msg);
  }
  wait::notify(this);
}

void MessageQueue::drop_posted(HWND hwnd) {
  std::lock_guard g(wait::mutex());
  std::erase_if(posted_, [hwnd](const MSG& m) { return m.hwnd == hwnd; });
  std::erase(paint_pending_, hwnd);
  timers_.kill_window(hwnd);
}

void MessageQueue::set_paint_pending(HWND hwnd, bool pending) {
  {
    std::lock_guard g(wait::mutex());
    bool listed = std::find(paint_pending_.begin(), paint_pending_.end(), hwnd) != paint_pending_.end();
    if (!pending) std::erase(paint_pending_, hwnd);
    else if (!listed) paint_pending_.push_back(hwnd);
  }
  if (pending) wait::notify(this);
}

bool MessageQueue::signaled(DWORD) {
  MSG peek;
  return !handed_.empty() || take_posted(&peek, nullptr, 0, 0, false);
}

std::optional<int64_t> MessageQueue::next_signal_ns() const { return timers_.next_due_ns(); }

void MessageQueue::post_quit(int exit_code) {
  {
    std::lock_guard g(wait::mutex());
    quit_ = true;
    quit_code_ = exit_code;
  }
  wait::notify(this);
}

bool MessageQueue::hand(std::function<void()> work) {
  {
    std::lock_guard g(wait::mutex());
    if (ended_) return false;
    handed_.push_back(std::move(work));
  }
  wait::notify(this);
  return true;
}

void MessageQueue::run_handed() {
  for (;;) {
    std::function<void()> work;
    {
      std::lock_guard g(wait::mutex());
      if (handed_.empty()) return;
      work = std::move(handed_.front());
      handed_.pop_front();
    }
    work();
  }
}

bool MessageQueue::take_posted(MSG* msg, HWND hwnd, UINT min, UINT max, bool remove) {
  for (auto it = posted_.begin(); it != posted_.end(); ++it) {
    if (!matches(*it, hwnd, min, max)) continue;
    *msg = *it;
    if (remove) posted_.erase(it);
    return true;
  }
  // WM_QUIT comes once the other posted messages are gone.
  if (quit_ && posted_.empty() && matches(MSG{nullptr, WM_QUIT, 0, 0, 0, {}}, nullptr, min, max)) {
    *msg = MSG{nullptr, WM_QUIT, WPARAM(quit_code_), 0, DWORD(clock::since_boot_ms()), {}};
    if (remove) quit_ = false;
    return true;
  }
  // WM_PAINT stays until the window validates its update region.
  if (matches(MSG{hwnd, WM_PAINT, 0, 0, 0, {}}, hwnd, min, max)) {
    if (HWND to_paint = paint::next_to_paint(paint_pending_, hwnd)) {
      *msg = MSG{to_paint, WM_PAINT, 0, 0, DWORD(clock::since_boot_ms()), {}};
      return true;
    }
  }
  return timers_.take_due(msg, hwnd, min, max, remove, clock::now_ns());
}

bool MessageQueue::next(MSG* msg, HWND hwnd, UINT min, UINT max, bool remove, DWORD timeout_ms) {
  const int64_t deadline = clock::now_ns() + int64_t(timeout_ms) * 1000000;
  for (;;) {
    run_handed();
    std::unique_lock held(wait::mutex());
    if (take_posted(msg, hwnd, min, max, remove)) return true;
    DWORD left = INFINITE;
    if (timeout_ms != INFINITE) {
      int64_t rest = deadline - clock::now_ns();
      if (rest <= 0) return false;
      left = DWORD((rest + 999999) / 1000000);
    }
    MSG peek;
    bool ready = wait::until(
        held, left, false, [&] { return !handed_.empty() || take_posted(&peek, hwnd, min, max, false); }, this);
    if (!ready && timeout_ms != INFINITE && clock::now_ns() >= deadline) return false;
  }
}

void MessageQueue::serve_until(const std::function<bool()>& done, const MessageQueue* other) {
  for (;;) {
    run_handed();
    std::unique_lock held(wait::mutex());
    auto finished = [&] { return done() || (other && other->ended_); };
    if (finished()) return;
    wait::until(held, INFINITE, false, [&] { return finished() || !handed_.empty(); });
    if (finished()) return;
  }
}

void MessageQueue::end() {
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard g(wait::mutex());
    ended_ = true;
    dropped.swap(handed_);
    queues().erase(tid_);
  }
  wait::notify(this);
}

MessageQueue& current_queue() {
  thread_local QueueOwner owner;
  if (!owner.queue) {
    owner.queue = std::make_shared<MessageQueue>(thread::current_id());
    std::lock_guard g(wait::mutex());
    queues()[owner.queue->tid()] = owner.queue;
  }
  return *owner.queue;
}

std::shared_ptr<MessageQueue> queue_of(DWORD tid) {
  std::lock_guard g(wait::mutex());
  auto it = queues().find(tid);
  return it == queues().end() ? nullptr : it->second;
}

}  // namespace platform::user
