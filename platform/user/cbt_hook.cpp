// SetWindowsHookEx for WH_CBT: a chain of hook procedures, the newest first, each for one
// thread or (thread 0) for every thread of the process. A procedure hands the event on with
// CallNextHookEx, which finds the next one from the hook that is running on the thread.
#include "user/cbt_hook.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "kernel/thread.h"
#include "user/converted_create.h"

namespace platform::user::cbt {
namespace {

struct Hook {
  HHOOK handle;
  HOOKPROC proc;
  DWORD tid;  // 0: every thread
  bool unicode;
};

struct Chain {
  std::mutex lock;
  std::vector<Hook> hooks;  // newest first
  uintptr_t last_handle = 0;
};

Chain& chain() {
  static Chain c;
  return c;
}

// The hook whose procedure runs on this thread now, and its character form: CallNextHookEx goes
// on after it with the event in that form.
thread_local HHOOK t_running = nullptr;
thread_local bool t_running_unicode = true;

// The first hook for this thread after `after` (from the start when null).
std::optional<Hook> next_hook(HHOOK after) {
  Chain& c = chain();
  std::lock_guard<std::mutex> guard(c.lock);
  DWORD tid = thread::current_id();
  auto it = c.hooks.begin();
  if (after) {
    while (it != c.hooks.end() && it->handle != after) ++it;
    if (it == c.hooks.end()) return std::nullopt;  // unhooked while it ran: the chain ends
    ++it;
  }
  for (; it != c.hooks.end(); ++it)
    if (it->tid == 0 || it->tid == tid) return *it;
  return std::nullopt;
}

// The creation event in the hook's character form.
template <class ToEvent, class To, class FromEvent, class From, class Text>
LRESULT call_converted(const Hook& hook, WPARAM hwnd, LPARAM lp) {
  auto* event = reinterpret_cast<FromEvent*>(lp);
  ConvertedCreate<To, From, Text> converted(event->lpcs);
  ToEvent own{&converted.cs, event->hwndInsertAfter};
  return hook.proc(HCBT_CREATEWND, hwnd, LPARAM(&own));
}

// Calls the next hook after `after`; 0 when there is none.
LRESULT call_next(HHOOK after, int code, WPARAM wp, LPARAM lp, bool unicode) {
  std::optional<Hook> hook = next_hook(after);
  if (!hook) return 0;
  HHOOK outer = t_running;
  bool outer_unicode = t_running_unicode;
  t_running = hook->handle;
  t_running_unicode = hook->unicode;
  LRESULT result;
  if (code != HCBT_CREATEWND || hook->unicode == unicode)
    result = hook->proc(code, wp, lp);
  else if (unicode)
    result = call_converted<CBT_CREATEWNDA, CREATESTRUCTA, CBT_CREATEWNDW, CREATESTRUCTW, std::string>(*hook, wp, lp);
  else
    result = call_converted<CBT_CREATEWNDW, CREATESTRUCTW, CBT_CREATEWNDA, CREATESTRUCTA, std::u16string>(*hook, wp, lp);
  t_running = outer;
  t_running_unicode = outer_unicode;
  return result;
}

HHOOK add(int id, HOOKPROC proc, HINSTANCE module, DWORD tid, bool unicode) {
  if (id != WH_CBT) {
    SetLastError(ERROR_INVALID_HOOK_FILTER);
    return nullptr;
  }
  if (!proc) {
    SetLastError(ERROR_INVALID_FILTER_PROC);
    return nullptr;
  }
  if (tid == 0 && !module) {
    SetLastError(ERROR_HOOK_NEEDS_HMOD);
    return nullptr;
  }
  Chain& c = chain();
  std::lock_guard<std::mutex> guard(c.lock);
  HHOOK handle = reinterpret_cast<HHOOK>(++c.last_handle);
  c.hooks.insert(c.hooks.begin(), Hook{handle, proc, tid, unicode});
  return handle;
}

}  // namespace

bool refuses_creation(HWND hwnd, void* create_struct, bool unicode) {
  if (!next_hook(nullptr)) return false;
  LRESULT refused;
  if (unicode) {
    CBT_CREATEWNDW event{static_cast<CREATESTRUCTW*>(create_struct), HWND_TOP};
    refused = call_next(nullptr, HCBT_CREATEWND, WPARAM(hwnd), LPARAM(&event), true);
  } else {
    CBT_CREATEWNDA event{static_cast<CREATESTRUCTA*>(create_struct), HWND_TOP};
    refused = call_next(nullptr, HCBT_CREATEWND, WPARAM(hwnd), LPARAM(&event), false);
  }
  return refused != 0;
}

}  // namespace platform::user::cbt

using namespace platform::user::cbt;

extern "C" {

HHOOK WINAPI SetWindowsHookExW(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId) {
  return add(idHook, lpfn, hmod, dwThreadId, true);
}

HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId) {
  return add(idHook, lpfn, hmod, dwThreadId, false);
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hhk) {
  Chain& c = chain();
  std::lock_guard<std::mutex> guard(c.lock);
  for (auto it = c.hooks.begin(); it != c.hooks.end(); ++it) {
    if (it->handle == hhk) {
      c.hooks.erase(it);
      return TRUE;
    }
  }
  SetLastError(ERROR_INVALID_HOOK_HANDLE);
  return FALSE;
}

// hhk is ignored, as documented: the chain goes on from the hook running on this thread.
LRESULT WINAPI CallNextHookEx(HHOOK, int nCode, WPARAM wParam, LPARAM lParam) {
  return call_next(t_running, nCode, wParam, lParam, t_running_unicode);
}

}  // extern "C"
