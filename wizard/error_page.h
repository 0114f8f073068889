// The last page, shown when the installation brought no connection up.
#pragma once

#include "wizard_page.h"

class CErrorPage : public CWizardPage {
 public:
  CErrorPage();

  BOOL OnSetActive() override;
};
