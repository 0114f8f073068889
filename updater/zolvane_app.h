// Zolvane's application object: it runs the one dialog and ends with it.
#pragma once

#include "cwinapp.h"

class CZolvaneApp : public CWinApp {
 public:
  CZolvaneApp();

  // Runs the dialog modally; FALSE, so the program ends when the dialog closes.
  BOOL InitInstance() override;
};
