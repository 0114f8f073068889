// A tooltip control: tips for tools, each a window (named by its handle) or an id within one.
// A tool whose text is LPSTR_TEXTCALLBACK asks its window for the text at show time through
// WM_NOTIFY TTN_NEEDTEXTW. The owner relays its mouse messages (RelayEvent, typically from
// PreTranslateMessage) so that the control sees the mouse over the tools.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "cwnd.h"

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

 public:
  CToolTipCtrl() = default;

  using CWnd::Create;
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

  // nIDTool 0: the tool is pWnd itself, and its parent is asked for callback texts; otherwise
  // the tool is the rectangle lpRectTool of pWnd, with the id nIDTool.
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = reinterpret_cast<LPCTSTR>(LPSTR_TEXTCALLBACKW),
               LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;

  void Activate(BOOL bActivate);
  void RelayEvent(LPMSG lpMsg);
  // The previous width; -1 lets each tip be one line of any width.
  int SetMaxTipWidth(int iWidth);
};
