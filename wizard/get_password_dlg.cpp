#include "get_password_dlg.h"

#include "cdataexchange.h"
#include "resource.h"

CGetPasswordDlg::CGetPasswordDlg(CWnd* pParent) : CDialog(IDD_GET_PASSWORD, pParent) {}

BEGIN_MESSAGE_MAP(CGetPasswordDlg, CDialog)
  ON_EN_CHANGE(IDC_DECRYPTION_PASSWORD, &CGetPasswordDlg::OnPasswordChange)
END_MESSAGE_MAP()

void CGetPasswordDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDOK, m_okButton);
  DDX_Text(pDX, IDC_DECRYPTION_PASSWORD, m_strPassword);
}

BOOL CGetPasswordDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_okButton.EnableWindow(FALSE);
  GetDlgItem(IDC_DECRYPTION_PASSWORD)->SetFocus();
  return FALSE;  // the focus is set
}

void CGetPasswordDlg::OnPasswordChange() {
  UpdateData(TRUE);
  m_okButton.EnableWindow(!m_strPassword.IsEmpty());
}
