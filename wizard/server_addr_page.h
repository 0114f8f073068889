// The page of the VPN servers: a primary server and two optional ones, each a DNS name or an
// IPv4 address. Next is allowed once a validation in a worker thread has passed; a tick or a
// cross shows beside each field, and a refused field tells why in its tooltip.
#pragma once

#include "cbutton.h"
#include "cedit.h"
#include "clinkctrl.h"
#include "cstatic.h"
#include "wizard_page.h"

class CServerAddrPage : public CWizardPage {
 public:
  static const int MaxServers = 3;

  CServerAddrPage();

  // The common set-up; the fields get the servers of the command line.
  BOOL OnInitDialog() override;
  // Next only once validated, nothing to change once the authentication page has tested a
  // server; in unattended mode the command line's servers are taken as they stand.
  BOOL OnSetActive() override;
  // Enter in a server field validates while the page is not validated.
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The text of server field i (0 to 2), trimmed at both ends.
  CString GetServerAddress(int i) const;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  afx_msg void OnValidate();
  // The worker's result: wParam the bits of the servers that passed, lParam those entered.
  afx_msg LRESULT OnValidationDone(WPARAM wParam, LPARAM lParam);
  afx_msg void OnServerChange();
  afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnLinkClick(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  void EnableFields(BOOL bEnable);
  CWnd* GetNextButton() const;

  CString m_strToolTips[MaxServers];  // empty, or why the field was refused
  bool m_bValidated;                  // the last validation passed
  CButton m_validateButton;
  CStatic m_icons[MaxServers];
  CStatic m_status;
  CEdit m_servers[MaxServers];
  CLinkCtrl m_link;
};
