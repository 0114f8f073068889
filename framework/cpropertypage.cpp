#include "cpropertypage.h"

#include <string.h>

#include "resource_instance.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD dwSize) : CDialog(nIDTemplate) {
  Construct(MAKEINTRESOURCE(nIDTemplate), nIDCaption, dwSize);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize)
    : CDialog(lpszTemplateName) {
  Construct(lpszTemplateName, nIDCaption, dwSize);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize) {
  memset(&m_psp, 0, sizeof(m_psp));
  m_psp.dwSize = dwSize;
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.hInstance = framework::ResourceInstance();
  if (IS_INTRESOURCE(lpszTemplateName)) {
    m_psp.pszTemplate = reinterpret_cast<LPCWSTR>(lpszTemplateName);
  } else {
    m_strTemplateName = lpszTemplateName;
    m_psp.pszTemplate = m_strTemplateName.GetString();
  }
  if (nIDCaption != 0) {
    m_strCaption = framework::LoadResourceString(nIDCaption);
    m_psp.pszTitle = m_strCaption.GetString();
    m_psp.dwFlags |= PSP_USETITLE;
  }
  m_psp.pfnDlgProc = PageDlgProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  m_bFirstSetActive = TRUE;
}

INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  // The sheet hands over its copy of the page record; its lParam is the object.
  auto* pPage = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
  if (!pPage->SubclassWindow(hWnd)) return FALSE;
  pPage->m_bFirstSetActive = TRUE;
  return pPage->OnInitDialog();
}

void CPropertyPage::SetModified(BOOL bChanged) {
  ::SendMessageW(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive) {
    m_bFirstSetActive = FALSE;
  } else {
    UpdateData(FALSE);
  }
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

LRESULT CPropertyPage::OnWizardBack() { return 0; }

LRESULT CPropertyPage::OnWizardNext() { return 0; }

BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) { return CWnd::PreTranslateMessage(pMsg); }

LRESULT CPropertyPage::AnswerSheet(UINT code) {
  switch (code) {
    case PSN_SETACTIVE: return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE: return !OnKillActive();
    case PSN_APPLY: return OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    case PSN_RESET: OnReset(); return 0;
    case PSN_QUERYCANCEL: return !OnQueryCancel();
    case PSN_WIZBACK: return OnWizardBack();
    case PSN_WIZNEXT: return OnWizardNext();
    case PSN_WIZFINISH: return !OnWizardFinish();
    default: return 0;
  }
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // The program's own entries come first.
  if (CDialog::OnNotify(wParam, lParam, pResult)) return TRUE;
  const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
  if (pNMHDR->hwndFrom != ::GetParent(m_hWnd) || pNMHDR->code > PSN_FIRST || pNMHDR->code < PSN_LAST) return FALSE;
  *pResult = AnswerSheet(pNMHDR->code);
  // A dialog answers WM_NOTIFY through its message result.
  ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, *pResult);
  return TRUE;
}
