// CWnd::EnableToolTips: one tooltip control per window, kept as a property of the window and
// destroyed with it, holding a tool for each of the window's controls. Each tool asks the window
// for its text when it shows (WM_NOTIFY TTN_NEEDTEXTW, idFrom the control's handle), which the
// window answers with ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, ...). The tooltip subclasses the controls
// to see the mouse over them, so no message needs relaying.
#include <windows.h>
#include <commctrl.h>

#include "common_controls.h"
#include "cwnd.h"
#include "tool_info.h"

namespace {

const wchar_t kToolTipProperty[] = L"Tarvolt.Framework.ToolTip";

HWND MakeToolTip(HWND hWnd) {
  framework::RegisterCommonControls(ICC_BAR_CLASSES);
  HWND hToolTip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWnd, nullptr, nullptr, nullptr);
  if (hToolTip == nullptr) return nullptr;
  for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    framework::ToolInfo tool(hChild, 0, nullptr);
    tool.AddFlags(TTF_SUBCLASS);
    tool.SetText(reinterpret_cast<LPCTSTR>(LPSTR_TEXTCALLBACKW));
    ::SendMessageW(hToolTip, TTM_ADDTOOLW, 0, tool.Param());
  }
  ::SetPropW(hWnd, kToolTipProperty, hToolTip);
  return hToolTip;
}

}  // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable) {
  HWND hToolTip = static_cast<HWND>(::GetPropW(m_hWnd, kToolTipProperty));
  if (hToolTip == nullptr) {
    if (!bEnable) return TRUE;
    hToolTip = MakeToolTip(m_hWnd);
    if (hToolTip == nullptr) return FALSE;
  }
  ::SendMessageW(hToolTip, TTM_ACTIVATE, static_cast<WPARAM>(bEnable), 0);
  return TRUE;
}
