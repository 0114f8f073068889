// The page that installs the configuration.
#pragma once

#include "wizard_page.h"

class CFinalConfigPage : public CWizardPage {
 public:
  CFinalConfigPage();

  BOOL OnSetActive() override;
};
