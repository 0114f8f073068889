// The last page, shown when the installation brought no connection up: the service's log in a
// read-only view that the user can copy, and Finish alone.
#pragma once

#include "cricheditctrl.h"
#include "cstatic.h"
#include "wizard_page.h"

class CErrorPage : public CWizardPage {
 public:
  // Loads the rich edit library, which the page's template needs.
  CErrorPage();

  // Reads the log again on every activation; a log that cannot be read counts as missing.
  BOOL OnSetActive() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // The whole log to the clipboard.
  afx_msg void OnCopy();
  DECLARE_MESSAGE_MAP()

 private:
  CRichEditCtrl m_logView;
  CStatic m_logText;
};
