#include "final_config_page.h"

#include "resource.h"

CFinalConfigPage::CFinalConfigPage() : CWizardPage(IDD_FINAL_CONFIG_PAGE) {}

BOOL CFinalConfigPage::OnSetActive() {
  // The installation ends the wizard: Finish in place of Next.
  return ActivateWith(true, false, true);
}
