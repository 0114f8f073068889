#include "thread_state.h"

#include "cwnd.h"

namespace framework {

ThreadState::~ThreadState() {
  if (hHookCreate != nullptr) ::UnhookWindowsHookEx(hHookCreate);
  DeleteTemporaries();
}

void ThreadState::DeleteTemporaries() {
  std::unordered_map<HWND, CWnd*> wrappers;
  wrappers.swap(temporary);
  for (auto& [hWnd, pWnd] : wrappers) {
    pWnd->m_hWnd = nullptr;
    delete pWnd;
  }
}

ThreadState& CurrentThreadState() {
  thread_local ThreadState state;
  return state;
}

}  // namespace framework
