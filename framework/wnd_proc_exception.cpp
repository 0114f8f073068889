// What becomes of an exception that a window procedure lets through.
#include "cexception.h"
#include "cuserexception.h"
#include "cwinthread.h"

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg) {
  return AfxInternalProcessWndProcException(e, pMsg);
}

LRESULT AfxInternalProcessWndProcException(CException* e, const MSG* pMsg) {
  if (pMsg->message == WM_CREATE) return -1;
  if (pMsg->message == WM_PAINT) {
    ::ValidateRect(pMsg->hwnd, nullptr);
    return 0;
  }
  if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) e->ReportError(MB_ICONSTOP);
  return 0;
}
