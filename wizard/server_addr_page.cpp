#include "server_addr_page.h"

#include "resource.h"

CServerAddrPage::CServerAddrPage() : CWizardPage(IDD_SERVER_ADDR_PAGE) {}
