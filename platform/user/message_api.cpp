// Sending, posting, getting and dispatching messages.
#include <windows.h>

#include "machine/clock.h"
#include "kernel/thread.h"
#include "user/deliver.h"
#include "user/key_state.h"
#include "user/message_queue.h"
#include "user/proc_handles.h"

namespace {

using namespace platform;
using namespace platform::user;

BOOL post_to_thread(DWORD tid, const MSG& msg) {
  if (tid == thread::current_id()) current_queue();  // the caller's queue exists from now on
  std::shared_ptr<MessageQueue> q = queue_of(tid);
  if (!q) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  q->post(msg);
  return TRUE;
}

// A null window posts to the calling thread, as a thread message.
BOOL post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD tid = thread::current_id();
  if (hwnd) {
    WindowPtr w = window_of(hwnd);
    if (!w) return FALSE;
    tid = w->tid;
  }
  return post_to_thread(tid, MSG{hwnd, msg, wp, lp, DWORD(clock::since_boot_ms()), {}});
}

BOOL get(LPMSG msg, HWND hwnd, UINT min, UINT max) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (hwnd && !window_of(hwnd)) return -1;
  current_queue().next(msg, hwnd, min, max, true, INFINITE);
  return msg->message != WM_QUIT;
}

BOOL peek(LPMSG msg, HWND hwnd, UINT min, UINT max, UINT remove) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return current_queue().next(msg, hwnd, min, max, remove & PM_REMOVE, 0);
}

LRESULT dispatch(const MSG* msg, bool unicode) {
  if (!msg) return 0;
  // A timer made with a callback runs it instead of the window procedure.
  if (msg->message == WM_TIMER && msg->lParam) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, DWORD(clock::since_boot_ms()));
    return 0;
  }
  if (!msg->hwnd) return 0;
  WindowPtr w = window_of(msg->hwnd);
  if (!w) return 0;
  if (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP) keys::note(msg);
  return call_proc(w->proc, w->unicode, msg->hwnd, msg->message, msg->wParam, msg->lParam, unicode);
}

}  // namespace

extern "C" {

LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return send(hWnd, Msg, wParam, lParam, true);
}
LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return send(hWnd, Msg, wParam, lParam, false);
}
BOOL WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { return post(hWnd, Msg, wParam, lParam); }
BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) { return post(hWnd, Msg, wParam, lParam); }
BOOL WINAPI PostThreadMessageW(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return post_to_thread(idThread, MSG{nullptr, Msg, wParam, lParam, DWORD(clock::since_boot_ms()), {}});
}
BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return PostThreadMessageW(idThread, Msg, wParam, lParam);
}
void WINAPI PostQuitMessage(int nExitCode) { current_queue().post_quit(nExitCode); }

BOOL WINAPI GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  return get(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax);
}
BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  return get(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax);
}
BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  return peek(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg);
}
BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  return peek(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg);
}

BOOL WINAPI WaitMessage(void) {
  MSG msg;
  current_queue().next(&msg, nullptr, 0, 0, false, INFINITE);
  return TRUE;
}

BOOL WINAPI InSendMessage(void) { return FALSE; }

// A key that types a character posts WM_CHAR behind its WM_KEYDOWN.
BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg || lpMsg->message != WM_KEYDOWN) return FALSE;
  WCHAR c = keys::character(UINT(lpMsg->wParam));
  if (!c) return FALSE;
  current_queue().post_next(MSG{lpMsg->hwnd, WM_CHAR, WPARAM(c), lpMsg->lParam, lpMsg->time, lpMsg->pt});
  return TRUE;
}

LRESULT WINAPI DispatchMessageW(const MSG* lpMsg) { return dispatch(lpMsg, true); }
LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) { return dispatch(lpMsg, false); }

// A procedure handle from GetWindowLongPtr of the other character set names the procedure and its form.
LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  procs::Resolved p = procs::resolve(lpPrevWndFunc, true);
  return call_proc(p.proc, p.unicode, hWnd, Msg, wParam, lParam, true);
}
LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  procs::Resolved p = procs::resolve(lpPrevWndFunc, false);
  return call_proc(p.proc, p.unicode, hWnd, Msg, wParam, lParam, false);
}

SHORT WINAPI GetKeyState(int nVirtKey) { return keys::state(nVirtKey); }
DWORD WINAPI GetMessagePos(void) { return 0; }
LONG WINAPI GetMessageTime(void) { return LONG(clock::since_boot_ms()); }

}  // extern "C"
