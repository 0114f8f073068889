// The page of the split-tunnelling choice: one check box that sends all traffic through the
// VPN connection. Its state lives only in the control, where the other pages read it.
#pragma once

#include "cbutton.h"
#include "wizard_page.h"

class CSplitTunnelingPage : public CWizardPage {
 public:
  CSplitTunnelingPage();

  // The box starts checked when the command line held "-rg".
  BOOL OnInitDialog() override;

  // The check box is checked: the remote network's default gateway is used.
  bool UsesRemoteGateway() const;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  CButton m_remoteGateway;
};
