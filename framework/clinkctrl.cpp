#include "clinkctrl.h"

#include "common_controls.h"

IMPLEMENT_DYNAMIC(CLinkCtrl, CWnd)

BOOL CLinkCtrl::Create(LPCTSTR lpszLinkMarkup, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  framework::RegisterCommonControls(ICC_LINK_CLASS);
  return CWnd::Create(CString(L"SysLink"), lpszLinkMarkup, dwStyle, rect, pParentWnd, nID);
}

BOOL CLinkCtrl::SetItem(PLITEM pItem) {
  return static_cast<BOOL>(::SendMessageW(m_hWnd, LM_SETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CLinkCtrl::GetItem(PLITEM pItem) const {
  return static_cast<BOOL>(::SendMessageW(m_hWnd, LM_GETITEM, 0, reinterpret_cast<LPARAM>(pItem)));
}
