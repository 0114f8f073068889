#include "error_page.h"

#include "resource.h"

CErrorPage::CErrorPage() : CWizardPage(IDD_ERROR_PAGE) {}

BOOL CErrorPage::OnSetActive() {
  // The end of the road: only Finish.
  return ActivateWith(false, false, true);
}
