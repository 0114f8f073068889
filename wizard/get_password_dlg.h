// Asks for the password that decodes the encrypted command-line values; OK is enabled only when
// something has been typed.
#pragma once

#include "cbutton.h"
#include "cdialog.h"
#include "cstringt.h"

class CGetPasswordDlg : public CDialog {
 public:
  explicit CGetPasswordDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

  CString m_strPassword;
  CButton m_okButton;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnPasswordChange();
  DECLARE_MESSAGE_MAP()
};
