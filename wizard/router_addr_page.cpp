#include "router_addr_page.h"

#include "resource.h"

CRouterAddrPage::CRouterAddrPage() : CWizardPage(IDD_ROUTER_ADDR_PAGE) {}
