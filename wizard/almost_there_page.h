// The page before the installation; it has no step of its own.
#pragma once

#include "wizard_page.h"

class CAlmostTherePage : public CWizardPage {
 public:
  CAlmostTherePage();
};
