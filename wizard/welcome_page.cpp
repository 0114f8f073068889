#include "welcome_page.h"

#include "resource.h"

CWelcomePage::CWelcomePage() : CWizardPage(IDD_WELCOME_PAGE) {}

BOOL CWelcomePage::OnSetActive() {
  // Nothing lies before it: no Back.
  return ActivateWith(false, true, false);
}
