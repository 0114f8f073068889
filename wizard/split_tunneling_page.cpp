#include "split_tunneling_page.h"

#include "resource.h"

CSplitTunnelingPage::CSplitTunnelingPage() : CWizardPage(IDD_SPLIT_TUNNELING_PAGE) {}
