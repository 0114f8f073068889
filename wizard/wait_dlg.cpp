#include "wait_dlg.h"

#include "arial_font.h"
#include "cdc.h"
#include "resource.h"

CWaitDlg::CWaitDlg() : CDialog(IDD_WAIT_DIALOG) {}

BEGIN_MESSAGE_MAP(CWaitDlg, CDialog)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BOOL CWaitDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CreateArialFont(m_font, 16);
  SendDlgItemMessage(IDC_WAIT_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), TRUE);
  return TRUE;
}

BOOL CWaitDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) pMsg->wParam = 0;
  return CDialog::PreTranslateMessage(pMsg);
}

HBRUSH CWaitDlg::OnCtlColor(CDC*, CWnd*, UINT) { return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)); }
