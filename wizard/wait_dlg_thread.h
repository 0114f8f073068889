// The thread that keeps the wait dialog painted while the window thread removes the old service.
#pragma once

#include "cwinthread.h"
#include "wait_dlg.h"

// Posted to the thread once the service is gone: the dialog closes and the thread ends.
const UINT WM_CLOSE_WAIT_DLG = WM_APP + 1;

class CWaitDlgThread : public CWinThread {
  DECLARE_DYNCREATE(CWaitDlgThread)

 public:
  CWaitDlgThread();

  BOOL InitInstance() override;

 protected:
  afx_msg void OnCloseWaitDlg(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  CWaitDlg m_waitDlg;
};
