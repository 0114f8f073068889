#include "tool_info.h"

#include <string.h>

namespace framework {

ToolInfo::ToolInfo(HWND hWnd, UINT_PTR uId, LPCRECT lpRect) {
  memset(&m_info, 0, sizeof(m_info));
  m_info.cbSize = TTTOOLINFOW_V2_SIZE;
  if (uId == 0) {
    m_info.hwnd = ::GetParent(hWnd);
    m_info.uFlags = TTF_IDISHWND;
    m_info.uId = reinterpret_cast<UINT_PTR>(hWnd);
  } else {
    m_info.hwnd = hWnd;
    m_info.uId = uId;
  }
  if (lpRect != nullptr) m_info.rect = *lpRect;
}

void ToolInfo::SetText(LPCTSTR lpszText) {
  if (lpszText == reinterpret_cast<LPCTSTR>(LPSTR_TEXTCALLBACKW) || IS_INTRESOURCE(lpszText)) {
    m_info.lpszText = reinterpret_cast<LPWSTR>(const_cast<TCHAR*>(lpszText));
    return;
  }
  m_text = lpszText;
  m_info.lpszText = const_cast<LPWSTR>(m_text.GetString());
}

void ToolInfo::SetText(UINT nIDText, HINSTANCE hInstance) {
  m_info.hinst = hInstance;
  m_info.lpszText = MAKEINTRESOURCEW(nIDText);
}

CString ToolInfo::ReadText(HWND hWndToolTip) {
  const int kMaxText = 1024;
  wchar_t* buffer = m_text.GetBuffer(kMaxText);
  buffer[0] = 0;
  m_info.lpszText = buffer;
  ::SendMessageW(hWndToolTip, TTM_GETTEXTW, kMaxText, Param());
  m_text.ReleaseBuffer();
  return CString(m_text);
}

}  // namespace framework
