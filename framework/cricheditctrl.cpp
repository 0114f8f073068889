#include "cricheditctrl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {
// The wide class in both widths of the framework: Windows converts an 8-bit program's texts.
const wchar_t kRichEditClass[] = L"RichEdit20W";
}  // namespace

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}

BOOL CRichEditCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::CreateEx(dwExStyle, CString(kRichEditClass), nullptr, dwStyle, rect, pParentWnd, nID);
}

void CRichEditCtrl::GetSel(CHARRANGE& cr) const {
  ::SendMessageW(m_hWnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
  CHARRANGE cr = {};
  GetSel(cr);
  nStartChar = cr.cpMin;
  nEndChar = cr.cpMax;
}

void CRichEditCtrl::SetSel(CHARRANGE& cr) { ::SendMessageW(m_hWnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr)); }

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
  CHARRANGE cr = {static_cast<LONG>(nStartChar), static_cast<LONG>(nEndChar)};
  SetSel(cr);
}

void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
  ::SendMessage(m_hWnd, EM_REPLACESEL, static_cast<WPARAM>(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText));
}

void CRichEditCtrl::Copy() { ::SendMessageW(m_hWnd, WM_COPY, 0, 0); }

BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
  return static_cast<BOOL>(::SendMessageW(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(bReadOnly), 0));
}

void CRichEditCtrl::LimitText(long nChars) { ::SendMessageW(m_hWnd, EM_EXLIMITTEXT, 0, nChars); }

long CRichEditCtrl::GetTextLength() const {
  return static_cast<long>(::SendMessage(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
}

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es) {
  return static_cast<long>(
      ::SendMessageW(m_hWnd, EM_STREAMIN, static_cast<WPARAM>(nFormat), reinterpret_cast<LPARAM>(&es)));
}
