// The About box, reached through the system menu.
#pragma once

#include "cdialog.h"
#include "resource.h"

class CAboutDlg : public CDialog {
 public:
  CAboutDlg();

  enum { IDD = IDD_ABOUTBOX };

 protected:
  DECLARE_MESSAGE_MAP()
};
