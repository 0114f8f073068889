// The page of the VPN credentials.
#pragma once

#include "wizard_page.h"

class CAuthPage : public CWizardPage {
 public:
  CAuthPage();
};
