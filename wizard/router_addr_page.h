// The page of the optional local routers. It lists the machine's default gateways and, used
// interactively, refuses a router that is one of them: the service reaches them anyway.
#pragma once

#include "cstatic.h"
#include "cstringt.h"
#include "wizard_page.h"

class CRouterAddrPage : public CWizardPage {
 public:
  static const int MaxRouters = 3;

  CRouterAddrPage();

  // The default gateways once, and the routers of the command line.
  BOOL OnInitDialog() override;
  // The text naming the default gateways; in unattended mode the step is done and Next pressed.
  BOOL OnSetActive() override;
  // Ticks each free router and crosses each default gateway; a cross keeps the page. In
  // unattended mode nothing is checked.
  LRESULT OnWizardNext() override;

  // 0 for an empty router, a positive number when it is a default gateway, -1 otherwise.
  int FindDefaultGateway(const CString& strRouter) const;

  // The texts of the address fields; a blank field reads "0.0.0.0".
  CString m_strRouters[MaxRouters];

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  CString m_strGateways;
  CStatic m_icons[MaxRouters];
};
