// Runs work on the thread that owns a window, through that thread's queue, and waits for it a
// limited real time: the automation channel's thread never touches a window itself.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

#include "kernel/thread.h"
#include "user/message_queue.h"
#include "user/window.h"

namespace platform::user {

constexpr std::chrono::seconds kWindowThreadReplyLimit{5};

// Nothing when the window is unknown, its thread has no queue or does not get to the work in time.
template <class Result>
std::optional<Result> on_window_thread(HWND hwnd, std::function<Result()> work) {
  WindowPtr w = find_window(hwnd);
  if (!w) return std::nullopt;
  if (w->tid == thread::current_id()) return work();
  std::shared_ptr<MessageQueue> queue = queue_of(w->tid);
  if (!queue) return std::nullopt;
  struct Reply {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<Result> result;
  };
  auto reply = std::make_shared<Reply>();
  bool handed = queue->hand([reply, work] {
    Result r = work();
    std::lock_guard g(reply->mutex);
    reply->result = std::move(r);
    reply->done.notify_all();
  });
  if (!handed) return std::nullopt;
  std::unique_lock held(reply->mutex);
  reply->done.wait_for(held, kWindowThreadReplyLimit, [&] { return reply->result.has_value(); });
  return reply->result;
}

}  // namespace platform::user
