#include "split_tunneling_page.h"

#include "cdataexchange.h"
#include "mardell_app.h"
#include "resource.h"
#include "text_font.h"
#include "wizard_prop_sheet.h"

CSplitTunnelingPage::CSplitTunnelingPage() : CWizardPage(IDD_SPLIT_TUNNELING_PAGE) {}

void CSplitTunnelingPage::DoDataExchange(CDataExchange* pDX) {
  CWizardPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_REMOTE_GATEWAY, m_remoteGateway);
}

BOOL CSplitTunnelingPage::OnInitDialog() {
  CWizardPage::OnInitDialog();
  SetTextFont(*this, GetSheet()->m_textFont,
              {IDC_SPLIT_CORPORATE_TEXT, IDC_SPLIT_BYPASS_TEXT, IDC_SPLIT_INTERNET_TEXT, IDC_REMOTE_GATEWAY});
  m_remoteGateway.SetCheck(GetMardellApp()->m_cmdInfo.m_bUseRemoteGateway ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

bool CSplitTunnelingPage::UsesRemoteGateway() const { return m_remoteGateway.GetCheck() == BST_CHECKED; }
