#include "cpropertysheet.h"

#include <string.h>

#include <algorithm>

#include "cinvalidargexception.h"
#include "common_controls.h"
#include "modal_owner.h"
#include "resource_instance.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_MESSAGE(WM_INITDIALOG, &CPropertySheet::HandleInitDialog)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() { Construct(nullptr, nullptr, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  Construct(nullptr, pParentWnd, iSelectPage);
  m_strCaption = framework::LoadResourceString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  memset(&m_psh, 0, sizeof(m_psh));
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_PROPSHEETPAGE;
  m_psh.hInstance = framework::ResourceInstance();
  m_psh.nStartPage = iSelectPage;
  if (pszCaption != nullptr) m_strCaption = pszCaption;
  m_pParentWnd = pParentWnd;
  m_nEndID = 0;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  if (pPage == nullptr) AfxThrowInvalidArgException();
  m_pages.push_back(pPage);
  if (m_hWnd == nullptr) return;
  HPROPSHEETPAGE hPage = ::CreatePropertySheetPageW(&pPage->m_psp);
  if (hPage == nullptr || !::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage))) {
    if (hPage != nullptr) ::DestroyPropertySheetPage(hPage);
    m_pages.pop_back();
  }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
  int nPage = GetPageIndex(pPage);
  if (nPage < 0) AfxThrowInvalidArgException();
  RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) AfxThrowInvalidArgException();
  if (m_hWnd != nullptr) ::SendMessageW(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
  m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const { return static_cast<int>(m_pages.size()); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  if (nPage < 0 || nPage >= GetPageCount()) AfxThrowInvalidArgException();
  return m_pages[static_cast<size_t>(nPage)];
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  auto found = std::find(m_pages.begin(), m_pages.end(), pPage);
  return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  int nPage = GetActiveIndex();
  return nPage >= 0 && nPage < GetPageCount() ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd == nullptr) return static_cast<int>(m_psh.nStartPage);
  HWND hPage = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  auto found = std::find_if(m_pages.begin(), m_pages.end(),
                            [hPage](const CPropertyPage* pPage) { return hPage != nullptr && pPage->m_hWnd == hPage; });
  return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
  if (m_hWnd == nullptr) {
    m_psh.nStartPage = static_cast<UINT>(nPage);
    return TRUE;
  }
  return static_cast<BOOL>(::SendMessageW(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle) {
  m_strCaption = lpszText;
  m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
  if (m_hWnd != nullptr) {
    ::SendMessageW(m_hWnd, PSM_SETTITLEW, nStyle, reinterpret_cast<LPARAM>(m_strCaption.GetString()));
  }
}

void CPropertySheet::SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
  ::SendMessageW(m_hWnd, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

void CPropertySheet::SetFinishText(LPCTSTR lpszText) {
  CStringW text(lpszText);
  ::SendMessageW(m_hWnd, PSM_SETFINISHTEXTW, 0, reinterpret_cast<LPARAM>(text.GetString()));
}

void CPropertySheet::PressButton(int nButton) {
  ::PostMessageW(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
}

INT_PTR CPropertySheet::Run(DWORD dwModeFlag, HWND hWndParent) {
  // The records stand back to back, each as long as its page's version says.
  std::vector<BYTE> records;
  for (const CPropertyPage* pPage : m_pages) {
    const BYTE* record = reinterpret_cast<const BYTE*>(&pPage->m_psp);
    records.insert(records.end(), record, record + std::min<size_t>(pPage->m_psp.dwSize, sizeof(pPage->m_psp)));
  }
  m_psh.dwFlags = (m_psh.dwFlags & ~(PSH_MODELESS | PSH_PROPSHEETPAGE)) | PSH_PROPSHEETPAGE | dwModeFlag;
  m_psh.nPages = static_cast<UINT>(m_pages.size());
  m_psh.ppsp = reinterpret_cast<LPCPROPSHEETPAGEW>(records.data());
  m_psh.pszCaption = m_strCaption.GetString();
  m_psh.hwndParent = hWndParent;
  m_nEndID = 0;

  // The pages' templates may hold any of the common controls.
  framework::RegisterCommonControls(ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_LINK_CLASS);
  AfxHookWindowCreate(this);
  INT_PTR result = ::PropertySheetW(&m_psh);
  AfxUnhookWindowCreate();
  m_psh.ppsp = nullptr;
  return result;
}

// As on Windows the modal sheet is a modeless one in the framework's own modal loop, so that
// every message passes PreTranslateMessage, the pages' included, before the sheet's dialog keys.
INT_PTR CPropertySheet::DoModal() {
  framework::ModalOwner owner(m_pParentWnd);
  m_nModalResult = -1;
  m_nFlags |= WF_CONTINUEMODAL;  // EndDialog while the first page is made ends the sheet before its loop
  if (Run(PSH_MODELESS, owner.Handle()) != 0 && m_hWnd != nullptr && ContinueModal()) RunModalLoop(MLF_SHOWONIDLE);
  m_nFlags &= ~WF_CONTINUEMODAL;
  m_psh.dwFlags &= ~PSH_MODELESS;
  owner.Restore(m_hWnd);
  DestroyWindow();
  return m_nModalResult;
}

BOOL CPropertySheet::ContinueModal() {
  // A modeless sheet that has ended has no current page any more.
  if ((m_nFlags & WF_CONTINUEMODAL) &&
      (m_hWnd == nullptr || ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0))
    EndModalLoop(EndResult());
  return CWnd::ContinueModal();
}

int CPropertySheet::EndResult() const {
  if (m_nEndID != 0) return m_nEndID;
  LRESULT result = m_hWnd != nullptr ? ::SendMessageW(m_hWnd, PSM_GETRESULT, 0, 0) : 0;
  if (result <= 0) return IDCANCEL;
  return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0 ? ID_WIZFINISH : IDOK;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
  if (pParentWnd != nullptr) m_pParentWnd = pParentWnd;
  if (Run(PSH_MODELESS, m_pParentWnd != nullptr ? m_pParentWnd->GetSafeHwnd() : nullptr) == 0 || m_hWnd == nullptr)
    return FALSE;
  if (dwStyle != static_cast<DWORD>(-1)) ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
  if (dwExStyle != 0) ModifyStyleEx(0, dwExStyle, SWP_FRAMECHANGED);
  return TRUE;
}

void CPropertySheet::EndDialog(int nEndID) {
  m_nEndID = nEndID;
  if (m_nFlags & WF_CONTINUEMODAL) {
    EndModalLoop(nEndID);  // DoModal destroys the window
  } else {
    DestroyWindow();
  }
}

BOOL CPropertySheet::OnInitDialog() { return static_cast<BOOL>(Default()); }

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  return static_cast<BOOL>(::SendMessageW(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)));
}
