#include "almost_there_page.h"

#include "resource.h"

CAlmostTherePage::CAlmostTherePage() : CWizardPage(IDD_ALMOST_THERE_PAGE) {}
