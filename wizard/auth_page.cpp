#include "auth_page.h"

#include "resource.h"

CAuthPage::CAuthPage() : CWizardPage(IDD_AUTH_PAGE) {}
