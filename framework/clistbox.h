// A list box control: its items are texts (with a value each), one of them the selection.
// Indexes are zero-based; LB_ERR (-1) reports a failure or "none".
#pragma once

#include "cwnd.h"

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  CListBox() = default;

  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const;
  // The selected item, LB_ERR when none is.
  int GetCurSel() const;
  // -1 clears the selection (and returns LB_ERR, as it does for an index out of range).
  int SetCurSel(int nSelect);
  int GetTextLen(int nIndex) const;
  // lpszBuffer holds GetTextLen + 1 characters; the length copied, or LB_ERR.
  int GetText(int nIndex, LPTSTR lpszBuffer) const;
  // Empty for an index out of range.
  void GetText(int nIndex, CString& rString) const;
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);

  // The new item's index: sorted in with LBS_SORT, else at the end.
  int AddString(LPCTSTR lpszItem);
  // At nIndex (-1: the end), whatever LBS_SORT says.
  int InsertString(int nIndex, LPCTSTR lpszItem);
  // The count left, or LB_ERR.
  int DeleteString(UINT nIndex);
  void ResetContent();
  // The first item after nStartAfter (-1: from the top, wrapping round) that begins with the
  // text, or equals it; no matter the case. LB_ERR when none does.
  int FindString(int nStartAfter, LPCTSTR lpszItem) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  // Selects the item FindString finds; its index or LB_ERR.
  int SelectString(int nStartAfter, LPCTSTR lpszItem);
};
