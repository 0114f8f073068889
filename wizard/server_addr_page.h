// The page of the VPN servers.
#pragma once

#include "wizard_page.h"

class CServerAddrPage : public CWizardPage {
 public:
  CServerAddrPage();
};
