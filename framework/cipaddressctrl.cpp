#include "cipaddressctrl.h"

#include <windows.h>
#include <commctrl.h>

#include "common_controls.h"

IMPLEMENT_DYNAMIC(CIPAddressCtrl, CWnd)

BOOL CIPAddressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  framework::RegisterCommonControls(ICC_INTERNET_CLASSES);
  return CWnd::Create(CString(L"SysIPAddress32"), nullptr, dwStyle, rect, pParentWnd, nID);
}

int CIPAddressCtrl::GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const {
  DWORD address = 0;
  int filled = GetAddress(address);
  nField0 = static_cast<BYTE>(FIRST_IPADDRESS(address));
  nField1 = static_cast<BYTE>(SECOND_IPADDRESS(address));
  nField2 = static_cast<BYTE>(THIRD_IPADDRESS(address));
  nField3 = static_cast<BYTE>(FOURTH_IPADDRESS(address));
  return filled;
}

int CIPAddressCtrl::GetAddress(DWORD& dwAddress) const {
  return static_cast<int>(::SendMessageW(m_hWnd, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&dwAddress)));
}

void CIPAddressCtrl::SetAddress(DWORD dwAddress) {
  ::SendMessageW(m_hWnd, IPM_SETADDRESS, 0, static_cast<LPARAM>(dwAddress));
}

void CIPAddressCtrl::SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3) {
  ::SendMessageW(m_hWnd, IPM_SETADDRESS, 0, MAKEIPADDRESS(nField0, nField1, nField2, nField3));
}

void CIPAddressCtrl::ClearAddress() { ::SendMessageW(m_hWnd, IPM_CLEARADDRESS, 0, 0); }

BOOL CIPAddressCtrl::IsBlank() const { return static_cast<BOOL>(::SendMessageW(m_hWnd, IPM_ISBLANK, 0, 0)); }

void CIPAddressCtrl::SetFieldFocus(WORD nField) { ::SendMessageW(m_hWnd, IPM_SETFOCUS, nField, 0); }

void CIPAddressCtrl::SetFieldRange(int nField, BYTE nLower, BYTE nUpper) {
  ::SendMessageW(m_hWnd, IPM_SETRANGE, static_cast<WPARAM>(nField), MAKEIPRANGE(nLower, nUpper));
}
