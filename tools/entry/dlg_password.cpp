#include "dlg_password.h"

CDlgPassword::CDlgPassword() { m_szPassword[0] = 0; }

LRESULT CDlgPassword::OnInitDialog(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  CenterWindow();
  CAxDialogImpl<CDlgPassword>::OnInitDialog(uMsg, wParam, lParam, bHandled);
  bHandled = TRUE;
  return 1;  // the dialog manager puts the focus on the password
}

LRESULT CDlgPassword::OnClickedOK(WORD, WORD, HWND, BOOL&) {
  GetDlgItemText(IDC_PASSWORD, m_szPassword, 1023);
  m_szPassword[1023] = 0;
  EndDialog(IDOK);
  return 0;
}

LRESULT CDlgPassword::OnClickedCancel(WORD, WORD, HWND, BOOL&) {
  EndDialog(IDCANCEL);
  return 0;
}
