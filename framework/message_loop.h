// The thread's message loop, shared by CWinThread::Run and CWnd::RunModalLoop: pump messages,
// and while the queue is empty take idle steps until they ask for no more; a message that is not
// merely a repeat starts idle time afresh.
#pragma once

#include <windows.h>

class CWinThread;

namespace framework {

// GetMessage, then the thread's PreTranslateMessage (the window walk without a thread object),
// then translation and dispatch. FALSE on WM_QUIT.
BOOL PumpThreadMessage(CWinThread* pThread);
// FALSE for messages that come again without anything having happened (paint, mouse repeats).
BOOL IsIdleMessage(MSG* pMsg);
// The thread object's IsIdleMessage, else the default.
BOOL ThreadIsIdleMessage(MSG* pMsg);

// idle(LONG count): TRUE for more idle time. afterMessage(): FALSE ends the loop.
// FALSE when the loop ended with WM_QUIT, TRUE when afterMessage ended it.
template <class Idle, class AfterMessage>
BOOL RunMessageLoop(Idle idle, AfterMessage afterMessage);

}  // namespace framework

MSG* AfxGetCurrentMessage();
BOOL AfxPumpMessage();

template <class Idle, class AfterMessage>
BOOL framework::RunMessageLoop(Idle idle, AfterMessage afterMessage) {
  MSG* pMsg = AfxGetCurrentMessage();
  BOOL bIdle = TRUE;
  LONG lIdleCount = 0;
  for (;;) {
    while (bIdle && !::PeekMessage(pMsg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!idle(lIdleCount++)) bIdle = FALSE;
    }
    do {
      if (!AfxPumpMessage()) return FALSE;
      if (!afterMessage()) return TRUE;
      if (ThreadIsIdleMessage(pMsg)) {
        bIdle = TRUE;
        lIdleCount = 0;
      }
    } while (::PeekMessage(pMsg, nullptr, 0, 0, PM_NOREMOVE));
  }
}
