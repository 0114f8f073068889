// The page of the VPN credentials: user name, password and the optional pre-shared key, proved
// by a test dial of the primary server before the wizard goes on.
#pragma once

#include "cbutton.h"
#include "cedit.h"
#include "cprogressctrl.h"
#include "cstatic.h"
#include "wizard_page.h"

class CAuthPage : public CWizardPage {
 public:
  CAuthPage();

  // The fonts, and the credentials of the command line in the edits.
  BOOL OnInitDialog() override;
  // Next only once verified; in unattended mode the test starts by itself, with three attempts.
  BOOL OnSetActive() override;
  // Enter runs the test while the Test button is enabled.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The edits as typed.
  CString GetUser() const;
  CString GetPassword() const;
  CString GetPreSharedKey() const;

  CString m_strTestAddress;  // the address the last successful test obtained
  bool m_bVerified;          // a test has succeeded; never cleared

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnTest();
  afx_msg LRESULT OnTestAttempt(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnTestProgress(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnTestResult(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  // Testing: edits, Test, Back and Cancel disabled, the progress bar and the wait text shown.
  // Idle: all of them enabled again, the progress bar hidden.
  void SetBusy(bool bBusy);
  // The page idle again after the last attempt failed, with the failure text.
  void ShowTestFailed();
  bool IsLastAttempt() const;
  void EnableSheetButton(int nID, bool bEnable) const;
  void FocusNext() const;

  int m_nAttempts;
  int m_nCurrentAttempt;
  CButton m_testButton;
  CEdit m_passwordEdit;
  CEdit m_userEdit;
  CEdit m_keyEdit;
  CProgressCtrl m_progress;
  CStatic m_resultText;
  CStatic m_instruction;
};
