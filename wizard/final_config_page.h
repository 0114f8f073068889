// The page that installs the configuration: it writes and runs the installation batch file,
// waits up to two minutes for the service's connection, and then leaves no secret on disk. A
// connection finishes the wizard; none leads to the error page.
#pragma once

#include "cprogressctrl.h"
#include "install_batch.h"
#include "wizard_page.h"

class CFinalConfigPage : public CWizardPage {
 public:
  CFinalConfigPage();

  // The common set-up; the progress runs from 0 to 100.
  BOOL OnInitDialog() override;
  // Hides every wizard button and starts the installation worker.
  BOOL OnSetActive() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // The worker's reports (WM_INSTALL_PROGRESS).
  afx_msg LRESULT OnInstallProgress(WPARAM wParam, LPARAM lParam);
  // The wait for the connection, one tick every 250 ms.
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg LRESULT OnConnectionUp(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // The settings of the other pages.
  void FillInstallSettings(InstallSettings& settings) const;
  // The batch file again with only its Tarvolt and "net start" lines.
  void RewriteInstallBatch() const;
  void OnWaitTick();
  // Shows the error; an unattended run ends there.
  void StopWithError(LPCTSTR lpszText);

  CProgressCtrl m_progress;
  int m_nTicks;
  bool m_bWaiting;  // timer 1 runs; ticks already queued when it was killed are ignored
};
