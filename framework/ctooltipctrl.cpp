#include "ctooltipctrl.h"

#include "common_controls.h"
#include "resource_instance.h"
#include "tool_info.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  framework::RegisterCommonControls(ICC_BAR_CLASSES);
  return CWnd::CreateEx(WS_EX_TOPMOST, CString(TOOLTIPS_CLASSW), nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  framework::ToolInfo tool(pWnd->GetSafeHwnd(), nIDTool, lpRectTool);
  tool.SetText(nIDText, framework::ResourceInstance());
  return static_cast<BOOL>(::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, tool.Param()));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  framework::ToolInfo tool(pWnd->GetSafeHwnd(), nIDTool, lpRectTool);
  tool.SetText(lpszText);
  return static_cast<BOOL>(::SendMessageW(m_hWnd, TTM_ADDTOOLW, 0, tool.Param()));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  framework::ToolInfo tool(pWnd->GetSafeHwnd(), nIDTool, nullptr);
  ::SendMessageW(m_hWnd, TTM_DELTOOLW, 0, tool.Param());
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  framework::ToolInfo tool(pWnd->GetSafeHwnd(), nIDTool, nullptr);
  tool.SetText(lpszText);
  ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, tool.Param());
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
  framework::ToolInfo tool(pWnd->GetSafeHwnd(), nIDTool, nullptr);
  tool.SetText(nIDText, framework::ResourceInstance());
  ::SendMessageW(m_hWnd, TTM_UPDATETIPTEXTW, 0, tool.Param());
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  framework::ToolInfo tool(pWnd->GetSafeHwnd(), nIDTool, nullptr);
  str = tool.ReadText(m_hWnd);
}

void CToolTipCtrl::Activate(BOOL bActivate) { ::SendMessageW(m_hWnd, TTM_ACTIVATE, static_cast<WPARAM>(bActivate), 0); }

void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
  ::SendMessageW(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth) {
  return static_cast<int>(::SendMessageW(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth));
}
