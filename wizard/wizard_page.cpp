#include "wizard_page.h"

#include "cdataexchange.h"
#include "cdc.h"
#include "mardell_app.h"
#include "record_size.h"
#include "resource.h"
#include "wizard_prop_sheet.h"

namespace {

const COLORREF kTitleColour = RGB(0, 102, 204);
// The third version of the page record, the one the pages were written for.
const unsigned kPageRecordSize = SIZEOF_THROUGH(PROPSHEETPAGEW, hActCtx);
WIN32_RECORD_SIZE(kPageRecordSize, 52);

}  // namespace

CWizardPage::CWizardPage(UINT nIDTemplate)
    : CPropertyPage(nIDTemplate, 0, kPageRecordSize), m_nIDTemplate(nIDTemplate) {
  m_psp.dwFlags |= PSP_HIDEHEADER;
}

BEGIN_MESSAGE_MAP(CWizardPage, CPropertyPage)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

void CWizardPage::DoDataExchange(CDataExchange* pDX) {
  CPropertyPage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PAGE_TITLE, m_title);
}

BOOL CWizardPage::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  CWizardPropSheet* pSheet = GetSheet();
  m_title.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pSheet->m_titleFont.GetSafeHandle()), TRUE);
  m_title.m_colour = kTitleColour;
  SendDlgItemMessage(IDC_PAGE_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(pSheet->m_textFont.GetSafeHandle()), TRUE);
  return TRUE;
}

BOOL CWizardPage::OnSetActive() { return ActivateWith(true, true, false); }

LRESULT CWizardPage::OnWizardNext() {
  MarkStepDone(true);
  return 0;
}

BOOL CWizardPage::ActivateWith(bool bBack, bool bNext, bool bFinish, bool bCancel) {
  ShowButton(ID_WIZBACK, bBack);
  ShowButton(ID_WIZNEXT, bNext);
  ShowButton(ID_WIZFINISH, bFinish);
  ShowButton(IDCANCEL, bCancel);
  UpdateData(FALSE);
  // A page without a forward button goes on by itself.
  if ((bNext || bFinish) && IsUnattended()) {
    // Posted, so that it takes effect once the activation has finished.
    CWnd* pForward = GetSheet()->GetDlgItem(bNext ? ID_WIZNEXT : ID_WIZFINISH);
    if (pForward != nullptr) pForward->PostMessage(BM_CLICK);
  }
  return CPropertyPage::OnSetActive();
}

CWizardPropSheet* CWizardPage::GetSheet() const { return static_cast<CWizardPropSheet*>(GetParent()); }

bool CWizardPage::IsUnattended() const {
  return (GetMardellApp()->m_cmdInfo.m_nMode & CWizardCommandLineInfo::ModeUnattended) != 0;
}

void CWizardPage::MarkStepDone(bool bDone) { GetSheet()->MarkStepDone(m_nIDTemplate, bDone); }

void CWizardPage::ShowButton(int nID, bool bShow) const {
  CWnd* pButton = GetSheet()->GetDlgItem(nID);
  if (pButton == nullptr) return;
  pButton->EnableWindow(bShow);
  pButton->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

HBRUSH CWizardPage::OnCtlColor(CDC*, CWnd*, UINT) { return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)); }
