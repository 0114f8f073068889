#include "wizard_prop_sheet.h"

#include "arial_font.h"
#include "resource.h"

namespace {

struct WizardStep {
  const wchar_t* pszName;
  UINT nIDTemplate;  // the page that completes the step
};

const WizardStep kSteps[] = {
    {L"Overview", IDD_WELCOME_PAGE},
    {L"Server Addresses", IDD_SERVER_ADDR_PAGE},
    {L"Router Addresses", IDD_ROUTER_ADDR_PAGE},
    {L"Split Tunneling", IDD_SPLIT_TUNNELING_PAGE},
    {L"Authentication", IDD_AUTH_PAGE},
    {L"IP Assignment", IDD_ADDR_ASSIGNMENT_PAGE},
    {L"Final Tests", IDD_FINAL_CONFIG_PAGE},
};

const int kFrameHeight = 322;  // the height of the background picture
const int kPictureWidth = 160;
const int kBorderWidth = 12;
const int kStepListTop = 33;
const UINT kStepListID = 2000;
const UINT kNoID = 0xFFFF;

}  // namespace

CWizardPropSheet::CWizardPropSheet() : CPropertySheet(L"VPN Configuration Wizard", nullptr, 0), m_stepMap(10) {
  m_stepMap.InitHashTable(17);
  m_crossBitmap.LoadBitmap(IDB_CROSS);
  m_tickBitmap.LoadBitmap(IDB_TICK);
  CreateArialFont(m_titleFont, 18);
  CreateArialFont(m_textFont, 16);

  AddPage(&m_welcomePage);
  AddPage(&m_serverAddrPage);
  AddPage(&m_routerAddrPage);
  AddPage(&m_splitTunnelingPage);
  AddPage(&m_authPage);
  AddPage(&m_addrAssignmentPage);
  AddPage(&m_almostTherePage);
  AddPage(&m_finalConfigPage);
  AddPage(&m_errorPage);
  m_psh.dwFlags |= PSH_WIZARD;
}

BOOL CWizardPropSheet::OnInitDialog() {
  CPropertySheet::OnInitDialog();
  CWnd* pHelp = GetDlgItem(IDHELP);
  if (pHelp != nullptr) {
    pHelp->EnableWindow(FALSE);
    pHelp->ShowWindow(SW_HIDE);
  }

  RECT client;
  GetClientRect(&client);
  const int nWidth = client.right - client.left;
  const RECT borders[4] = {
      {0, 0, nWidth, kBorderWidth},
      {0, 0, kBorderWidth, kFrameHeight},
      {0, kFrameHeight - kBorderWidth, nWidth, kFrameHeight},
      {nWidth - kBorderWidth, 0, nWidth, kFrameHeight},
  };
  for (int i = 0; i < 4; ++i) m_borders[i].Create(L"", WS_CHILD | WS_VISIBLE | SS_WHITERECT, borders[i], this, kNoID);

  m_background.Create(L"Background", WS_CHILD | WS_VISIBLE | SS_BITMAP, RECT{0, 0, kPictureWidth, kFrameHeight},
                      this, kNoID);
  m_backgroundBitmap.LoadBitmap(IDB_BACKGROUND);
  m_background.SetBitmap(m_backgroundBitmap);

  m_progressCtrl.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, RECT{0, kStepListTop, kPictureWidth, kFrameHeight}, this,
                        kStepListID);
  m_progressCtrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_textFont.GetSafeHandle()), 1);
  m_progressCtrl.SetBitmap(m_tickBitmap);
  for (UINT i = 0; i < sizeof kSteps / sizeof kSteps[0]; ++i) {
    m_progressCtrl.AddStep(kSteps[i].pszName);
    m_stepMap[kSteps[i].nIDTemplate] = i;
  }
  return TRUE;
}

void CWizardPropSheet::MarkStepDone(UINT nIDTemplate, bool bDone) {
  UINT nStep = 0;
  if (m_stepMap.Lookup(nIDTemplate, nStep)) m_progressCtrl.SetStepDone(static_cast<int>(nStep), bDone);
}
