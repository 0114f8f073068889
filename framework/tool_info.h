// The tooltip control's record of one tool, in the control's wide form whatever the framework's
// width: the text a tool is given lives as long as the record.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "cstringt.h"

namespace framework {

class ToolInfo {
 public:
  // uId 0 names the window hWnd itself as the tool, its parent answering for it.
  ToolInfo(HWND hWnd, UINT_PTR uId, LPCRECT lpRect);

  // A text, LPSTR_TEXTCALLBACK, or a MAKEINTRESOURCE string id of the program.
  void SetText(LPCTSTR lpszText);
  void SetText(UINT nIDText, HINSTANCE hInstance);
  void AddFlags(UINT uFlags) { m_info.uFlags |= uFlags; }
  // What TTM_GETTEXTW gives for the tool.
  CString ReadText(HWND hWndToolTip);
  LPARAM Param() { return reinterpret_cast<LPARAM>(&m_info); }

 private:
  TTTOOLINFOW m_info;
  CStringW m_text;
};

}  // namespace framework
