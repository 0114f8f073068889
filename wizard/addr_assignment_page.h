// The page of the address the server must assign.
#pragma once

#include "wizard_page.h"

class CAddrAssignmentPage : public CWizardPage {
 public:
  CAddrAssignmentPage();
};
