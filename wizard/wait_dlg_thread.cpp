#include "wait_dlg_thread.h"

#include "resource.h"

IMPLEMENT_DYNCREATE(CWaitDlgThread, CWinThread)

CWaitDlgThread::CWaitDlgThread() {}

BEGIN_MESSAGE_MAP(CWaitDlgThread, CWinThread)
  ON_THREAD_MESSAGE(WM_CLOSE_WAIT_DLG, &CWaitDlgThread::OnCloseWaitDlg)
END_MESSAGE_MAP()

BOOL CWaitDlgThread::InitInstance() {
  m_waitDlg.Create(IDD_WAIT_DIALOG, nullptr);
  m_waitDlg.ShowWindow(SW_SHOWNORMAL);
  return TRUE;
}

void CWaitDlgThread::OnCloseWaitDlg(WPARAM, LPARAM) {
  m_waitDlg.EndDialog(0);
  // The window goes with its object, which the end of the thread deletes.
  m_waitDlg.DestroyWindow();
  AfxEndThread(0, TRUE);
}
