// The first page: what the wizard is about.
#pragma once

#include "wizard_page.h"

class CWelcomePage : public CWizardPage {
 public:
  CWelcomePage();

  BOOL OnSetActive() override;
};
