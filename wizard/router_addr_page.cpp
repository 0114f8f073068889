#include "router_addr_page.h"

#include "cdataexchange.h"
#include "default_gateways.h"
#include "mardell_app.h"
#include "resource.h"
#include "text_font.h"
#include "wizard_prop_sheet.h"

namespace {

const int kRouterFields[CRouterAddrPage::MaxRouters] = {IDC_ROUTER1, IDC_ROUTER2, IDC_ROUTER3};
const int kRouterIcons[CRouterAddrPage::MaxRouters] = {IDC_ROUTER_ICON1, IDC_ROUTER_ICON2, IDC_ROUTER_ICON3};

}  // namespace

CRouterAddrPage::CRouterAddrPage() : CWizardPage(IDD_ROUTER_ADDR_PAGE) {}

void CRouterAddrPage::DoDataExchange(CDataExchange* pDX) {
  CWizardPage::DoDataExchange(pDX);
  for (int i = 0; i < MaxRouters; ++i) {
    DDX_Text(pDX, kRouterFields[i], m_strRouters[i]);
    DDX_Control(pDX, kRouterIcons[i], m_icons[i]);
  }
}

BOOL CRouterAddrPage::OnInitDialog() {
  CWizardPage::OnInitDialog();
  m_strGateways = ListDefaultGateways();
  SetTextFont(*this, GetSheet()->m_textFont,
              {IDC_ROUTER_LABEL1, IDC_ROUTER_LABEL2, IDC_ROUTER_LABEL3, IDC_ROUTER1, IDC_ROUTER2, IDC_ROUTER3});
  const CWizardCommandLineInfo& cmdInfo = GetMardellApp()->m_cmdInfo;
  for (int i = 0; i < MaxRouters; ++i) m_strRouters[i] = cmdInfo.m_strRouters[i];
  return TRUE;
}

BOOL CRouterAddrPage::OnSetActive() {
  SetDlgItemText(IDC_PAGE_TEXT,
                 L"If you have additional routers/gateways on your network beyond the default gateway(s), enter up "
                 L"to three below.\nDo not enter your default gateways (" + m_strGateways + L").");
  BOOL bResult = ActivateWith(true, true, false);
  if (IsUnattended()) MarkStepDone(true);
  return bResult;
}

LRESULT CRouterAddrPage::OnWizardNext() {
  UpdateData(TRUE);
  if (IsUnattended()) return 0;
  CWizardPropSheet* pSheet = GetSheet();
  bool bRefused = false;
  for (int i = 0; i < MaxRouters; ++i) {
    int nFound = FindDefaultGateway(m_strRouters[i]);
    HBITMAP hIcon = nFound == 0 ? nullptr : nFound > 0 ? HBITMAP(pSheet->m_crossBitmap) : HBITMAP(pSheet->m_tickBitmap);
    m_icons[i].SetBitmap(hIcon);
    bRefused = bRefused || nFound > 0;
  }
  MarkStepDone(!bRefused);
  return bRefused ? -1 : 0;
}

int CRouterAddrPage::FindDefaultGateway(const CString& strRouter) const {
  return FindGatewayInList(m_strGateways, strRouter);
}
