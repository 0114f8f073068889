// The page of the split-tunnelling choice.
#pragma once

#include "wizard_page.h"

class CSplitTunnelingPage : public CWizardPage {
 public:
  CSplitTunnelingPage();
};
