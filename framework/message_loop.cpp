#include "message_loop.h"

#include "cwinthread.h"
#include "cwnd.h"
#include "thread_state.h"

namespace {

// The system's own timer for caret blinking and the like: no event of the program.
constexpr UINT kSystemTimer = 0x0118;

// The walk from the message's window up its parents to its top-level window.
BOOL WalkPreTranslateTree(MSG* pMsg, HWND* phWndTop) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    *phWndTop = hWnd;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (!(::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return FALSE;
}

}  // namespace

MSG* AfxGetCurrentMessage() { return &framework::CurrentThreadState().msgCur; }

BOOL AfxPreTranslateMessage(MSG* pMsg) {
  HWND hWndTop = nullptr;
  if (WalkPreTranslateTree(pMsg, &hWndTop)) return TRUE;
  CWnd* pMainWnd = AfxGetMainWnd();
  return pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->m_hWnd != hWndTop &&
         pMsg->hwnd != nullptr && pMainWnd->PreTranslateMessage(pMsg);
}

BOOL AfxPumpMessage() {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? pThread->PumpMessage() : framework::PumpThreadMessage(nullptr);
}

namespace framework {

BOOL PumpThreadMessage(CWinThread* pThread) {
  MSG* pMsg = AfxGetCurrentMessage();
  if (!::GetMessage(pMsg, nullptr, 0, 0)) return FALSE;
  BOOL handled = pThread != nullptr ? pThread->PreTranslateMessage(pMsg) : AfxPreTranslateMessage(pMsg);
  if (!handled) {
    ::TranslateMessage(pMsg);
    ::DispatchMessage(pMsg);
  }
  return TRUE;
}

BOOL IsIdleMessage(MSG* pMsg) {
  if (pMsg->message == WM_MOUSEMOVE) {
    POINT& last = CurrentThreadState().ptLastMouse;
    if (pMsg->pt.x == last.x && pMsg->pt.y == last.y) return FALSE;
    last = pMsg->pt;
    return TRUE;
  }
  return pMsg->message != WM_PAINT && pMsg->message != kSystemTimer;
}

BOOL ThreadIsIdleMessage(MSG* pMsg) {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? pThread->IsIdleMessage(pMsg) : IsIdleMessage(pMsg);
}

}  // namespace framework
