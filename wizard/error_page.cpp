#include "error_page.h"

#include "cdataexchange.h"
#include "log_file_text.h"
#include "resource.h"
#include "rich_edit_init.h"
#include "wizard_prop_sheet.h"

namespace {

// Relative: the service writes it beside its program, in the wizard's current directory.
const wchar_t kServiceLog[] = L"Tarvolt.txt";

}  // namespace

CErrorPage::CErrorPage() : CWizardPage(IDD_ERROR_PAGE) { AfxInitRichEdit2(); }

BEGIN_MESSAGE_MAP(CErrorPage, CWizardPage)
  ON_BN_CLICKED(IDC_COPY_LOG, &CErrorPage::OnCopy)
END_MESSAGE_MAP()

void CErrorPage::DoDataExchange(CDataExchange* pDX) {
  CWizardPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LOG_VIEW, m_logView);
  DDX_Control(pDX, IDC_PAGE_TEXT, m_logText);
}

BOOL CErrorPage::OnSetActive() {
  GetSheet()->SetFinishText(L"Finish");
  CString strLog;
  if (ReadLogFileText(kServiceLog, strLog)) {
    m_logText.SetWindowText(L"Unable to verify VPN Connection\nPlease see VPN Service log below");
    m_logView.SetWindowText(strLog);
  } else {
    m_logText.SetWindowText(L"Unable to verify VPN Connection and\nunable to find error log file.");
  }
  // The end of the road: Finish alone, which ends the wizard.
  return ActivateWith(false, false, true, false);
}

void CErrorPage::OnCopy() {
  m_logView.SetSel(0, -1);
  m_logView.Copy();
}
