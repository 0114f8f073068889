#include "addr_assignment_page.h"

#include "resource.h"

CAddrAssignmentPage::CAddrAssignmentPage() : CWizardPage(IDD_ADDR_ASSIGNMENT_PAGE) {}
