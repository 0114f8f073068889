#include "addr_assignment_page.h"

#include "cdataexchange.h"
#include "mardell_app.h"
#include "resource.h"
#include "text_font.h"
#include "wizard_prop_sheet.h"

namespace {

// Once per process: going back to the authentication page and returning keeps the user's choice.
bool g_bFirstActivation = true;

}  // namespace

CAddrAssignmentPage::CAddrAssignmentPage() : CWizardPage(IDD_ADDR_ASSIGNMENT_PAGE) {}

BEGIN_MESSAGE_MAP(CAddrAssignmentPage, CWizardPage)
  ON_BN_CLICKED(IDC_DYNAMIC_IP, &CAddrAssignmentPage::OnDynamicIp)
  ON_BN_CLICKED(IDC_STATIC_IP, &CAddrAssignmentPage::OnStaticIp)
END_MESSAGE_MAP()

void CAddrAssignmentPage::DoDataExchange(CDataExchange* pDX) {
  CWizardPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_REQUIRED_IP, m_address);
  DDX_Control(pDX, IDC_DYNAMIC_IP, m_dynamicIp);
  DDX_Control(pDX, IDC_STATIC_IP, m_staticIp);
}

BOOL CAddrAssignmentPage::OnInitDialog() {
  CWizardPage::OnInitDialog();
  SetTextFont(*this, GetSheet()->m_textFont, {IDC_DYNAMIC_IP, IDC_STATIC_IP, IDC_REQUIRED_IP});
  return TRUE;
}

BOOL CAddrAssignmentPage::OnSetActive() {
  if (g_bFirstActivation) {
    g_bFirstActivation = false;
    m_address.SetWindowText(GetSheet()->m_authPage.m_strTestAddress);
    m_address.EnableWindow(FALSE);
    m_dynamicIp.SetCheck(BST_CHECKED);
    m_staticIp.SetCheck(BST_UNCHECKED);
  }
  const CWizardCommandLineInfo& cmdInfo = GetMardellApp()->m_cmdInfo;
  if (IsUnattended() && !cmdInfo.m_strRequiredIp.IsEmpty()) {
    // The radio buttons are set directly: the field stays as it is, its text is what counts.
    m_address.SetWindowText(cmdInfo.m_strRequiredIp);
    m_dynamicIp.SetCheck(BST_UNCHECKED);
    m_staticIp.SetCheck(BST_CHECKED);
  }
  return ActivateWith(true, true, false);
}

void CAddrAssignmentPage::OnDynamicIp() { m_address.EnableWindow(FALSE); }

void CAddrAssignmentPage::OnStaticIp() { m_address.EnableWindow(TRUE); }

CString CAddrAssignmentPage::GetRequiredIp() const {
  if (m_staticIp.GetCheck() != BST_CHECKED) return CString();
  CString strAddress;
  m_address.GetWindowText(strAddress);
  return strAddress;
}
