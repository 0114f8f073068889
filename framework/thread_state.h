// What the framework keeps for each thread: its thread object, the messages being handled, the
// window waiting for its creation hook, and the handle maps of its windows.
#pragma once

#include <windows.h>

#include <unordered_map>

class CWinThread;
class CWnd;

namespace framework {

struct ThreadState {
  ThreadState() = default;
  ThreadState(const ThreadState&) = delete;
  ThreadState& operator=(const ThreadState&) = delete;
  ~ThreadState();

  // The temporary window objects go; their windows stay.
  void DeleteTemporaries();

  CWinThread* pThread = nullptr;
  MSG msgCur{};        // the message the thread's loop pumped last
  POINT ptLastMouse{};  // of the last mouse move the loop saw, to tell a real one from a repeat
  MSG lastSent{};      // the message the framework's window procedure is handling (Default)
  CWnd* pWndInit = nullptr;  // waits for the window the thread creates next
  HWND hWndLockoutNotify = nullptr;  // its controls' notifications are ignored (UpdateData)
  HHOOK hHookCreate = nullptr;
  std::unordered_map<HWND, CWnd*> permanent;
  std::unordered_map<HWND, CWnd*> temporary;
};

ThreadState& CurrentThreadState();

}  // namespace framework
