// The page of the optional local routers.
#pragma once

#include "wizard_page.h"

class CRouterAddrPage : public CWizardPage {
 public:
  CRouterAddrPage();
};
