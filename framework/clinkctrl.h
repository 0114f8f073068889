// A SysLink control: text with <a> links. A click on a link, or Enter on the focused one,
// reaches the parent as WM_NOTIFY NM_CLICK / NM_RETURN (an NMLINK), for its ON_NOTIFY entries.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "cwnd.h"

class CLinkCtrl : public CWnd {
  DECLARE_DYNAMIC(CLinkCtrl)

 public:
  CLinkCtrl() = default;

  using CWnd::Create;
  BOOL Create(LPCTSTR lpszLinkMarkup, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // pItem->iLink names the link; mask says which of the other members are read or written.
  BOOL SetItem(PLITEM pItem);
  BOOL GetItem(PLITEM pItem) const;
};
