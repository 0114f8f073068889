// A static that draws its text in a colour over whatever lies behind it. It keeps the text
// itself, so that a new text repaints the parent's area first and leaves nothing of the old one.
#pragma once

#include "cstatic.h"
#include "cstringt.h"

class CColourTextCtrl : public CStatic {
 public:
  CColourTextCtrl();

  COLORREF m_colour;
  CString m_strText;

 protected:
  void PreSubclassWindow() override;
  afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()

 private:
  void KeepText(LPCTSTR lpszText);
};
