// A rich edit 2.0 control ("RichEdit20W"): the program loads its library first (AfxInitRichEdit2).
#pragma once

#include <windows.h>
#include <richedit.h>

#include "cwnd.h"

class CRichEditCtrl : public CWnd {
  DECLARE_DYNAMIC(CRichEditCtrl)

 public:
  CRichEditCtrl() = default;

  using CWnd::Create;
  using CWnd::CreateEx;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Character positions; (0, -1) selects everything.
  void GetSel(CHARRANGE& cr) const;
  void GetSel(long& nStartChar, long& nEndChar) const;
  void SetSel(CHARRANGE& cr);
  void SetSel(long nStartChar, long nEndChar);
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  // The selection to the clipboard.
  void Copy();

  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  // 0 restores the control's default limit.
  void LimitText(long nChars = 0);
  long GetTextLength() const;
  // The number of characters read in.
  long StreamIn(int nFormat, EDITSTREAM& es);
};
