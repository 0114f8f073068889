#include "user/deliver.h"

#include <cstring>
#include <mutex>
#include <string>

#include "kernel/out_buffer.h"
#include "kernel/text.h"
#include "kernel/thread.h"
#include "kernel/wait.h"
#include "user/converted_create.h"
#include "user/list_box_text.h"
#include "user/message_queue.h"

namespace platform::user {
namespace {

LRESULT ansi_caller_to_wide(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETTEXT: {
      std::u16string wide = out::in(reinterpret_cast<LPCSTR>(lp));
      return proc(hwnd, msg, wp, lp ? LPARAM(wide.c_str()) : 0);
    }
    case WM_GETTEXT: {
      std::u16string buffer(wp + 1, u'\0');
      proc(hwnd, msg, WPARAM(buffer.size()), LPARAM(buffer.data()));
      std::string ansi = text::to_ansi(buffer.c_str());
      return LRESULT(out::truncated<char>(ansi, reinterpret_cast<char*>(lp), wp));
    }
    case WM_CHAR: {
      std::u16string wide = text::from_ansi(std::string(1, char(wp & 0xFF)));
      return proc(hwnd, msg, wide.empty() ? 0 : WPARAM(wide[0]), lp);
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      ConvertedCreate<CREATESTRUCTW, CREATESTRUCTA, std::u16string> c(reinterpret_cast<CREATESTRUCTA*>(lp));
      return proc(hwnd, msg, wp, LPARAM(&c.cs));
    }
    default:
      return proc(hwnd, msg, wp, lp);
  }
}

LRESULT wide_caller_to_ansi(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETTEXT: {
      std::string ansi = text::to_ansi(out::in(reinterpret_cast<LPCWSTR>(lp)));
      return proc(hwnd, msg, wp, lp ? LPARAM(ansi.c_str()) : 0);
    }
    case WM_GETTEXT: {
      std::string buffer(wp + 1, '\0');
      proc(hwnd, msg, WPARAM(buffer.size()), LPARAM(buffer.data()));
      std::u16string wide = text::from_ansi(buffer.c_str());
      return LRESULT(out::truncated<char16_t>(wide, reinterpret_cast<char16_t*>(lp), wp));
    }
    case WM_CHAR: {
      std::string ansi = text::to_ansi(std::u16string(1, char16_t(wp)));
      return proc(hwnd, msg, ansi.empty() ? 0 : WPARAM(BYTE(ansi[0])), lp);
    }
    case WM_NCCREATE:
    case WM_CREATE: {
      ConvertedCreate<CREATESTRUCTA, CREATESTRUCTW, std::string> c(reinterpret_cast<CREATESTRUCTW*>(lp));
      return proc(hwnd, msg, wp, LPARAM(&c.cs));
    }
    default:
      return proc(hwnd, msg, wp, lp);
  }
}

}  // namespace

LRESULT call_proc(WNDPROC proc, bool proc_unicode, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool caller_unicode) {
  if (!proc) return 0;
  if (proc_unicode == caller_unicode) return proc(hwnd, msg, wp, lp);
  if (carries_list_box_text(hwnd, msg)) return call_with_list_box_text(proc, caller_unicode, hwnd, msg, wp, lp);
  return caller_unicode ? wide_caller_to_ansi(proc, hwnd, msg, wp, lp) : ansi_caller_to_wide(proc, hwnd, msg, wp, lp);
}

LRESULT send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool caller_unicode) {
  WindowPtr w = window_of(hwnd);
  if (!w) return 0;
  if (w->tid == thread::current_id()) return call_proc(w->proc, w->unicode, hwnd, msg, wp, lp, caller_unicode);

  std::shared_ptr<MessageQueue> receiver = queue_of(w->tid);
  if (!receiver) return 0;
  struct Reply {
    bool done = false;
    LRESULT result = 0;
  };
  auto reply = std::make_shared<Reply>();
  bool handed = receiver->hand([reply, w, hwnd, msg, wp, lp, caller_unicode] {
    LRESULT r = call_proc(w->proc, w->unicode, hwnd, msg, wp, lp, caller_unicode);
    {
      std::lock_guard g(wait::mutex());
      reply->result = r;
      reply->done = true;
    }
    wait::notify(nullptr);
  });
  if (!handed) return 0;
  current_queue().serve_until([&] { return reply->done; }, receiver.get());
  std::lock_guard g(wait::mutex());
  return reply->result;
}

}  // namespace platform::user
