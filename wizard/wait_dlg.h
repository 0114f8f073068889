// The small window that shows while the old dialer service is removed; Enter and Escape do not
// close it.
#pragma once

#include "cdialog.h"
#include "cfont.h"

class CWaitDlg : public CDialog {
 public:
  CWaitDlg();

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  DECLARE_MESSAGE_MAP()

 private:
  CFont m_font;
};
