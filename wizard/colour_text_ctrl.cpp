#include "colour_text_ctrl.h"

#include "cpaintdc.h"
#include "repaint_over_parent.h"

CColourTextCtrl::CColourTextCtrl() : m_colour(0) {}

BEGIN_MESSAGE_MAP(CColourTextCtrl, CStatic)
  ON_MESSAGE(WM_SETTEXT, &CColourTextCtrl::OnSetText)
  ON_MESSAGE(WM_GETTEXT, &CColourTextCtrl::OnGetText)
  ON_MESSAGE(WM_GETTEXTLENGTH, &CColourTextCtrl::OnGetTextLength)
  ON_WM_PAINT()
END_MESSAGE_MAP()

void CColourTextCtrl::PreSubclassWindow() {
  // The static's own procedure still answers here: it holds the template's text.
  int nLength = static_cast<int>(::SendMessageW(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
  CString strText;
  ::SendMessageW(m_hWnd, WM_GETTEXT, static_cast<WPARAM>(nLength + 1),
                 reinterpret_cast<LPARAM>(strText.GetBuffer(nLength + 1)));
  strText.ReleaseBuffer();
  KeepText(strText);
  CStatic::PreSubclassWindow();
}

void CColourTextCtrl::KeepText(LPCTSTR lpszText) {
  m_strText = lpszText;
  RepaintOverParent(*this);
}

LRESULT CColourTextCtrl::OnSetText(WPARAM, LPARAM lParam) {
  KeepText(reinterpret_cast<LPCTSTR>(lParam));
  return TRUE;
}

LRESULT CColourTextCtrl::OnGetText(WPARAM wParam, LPARAM lParam) {
  int nBuffer = static_cast<int>(wParam);
  if (nBuffer <= 0) return 0;
  LPTSTR pszBuffer = reinterpret_cast<LPTSTR>(lParam);
  int nCopied = m_strText.GetLength() < nBuffer - 1 ? m_strText.GetLength() : nBuffer - 1;
  for (int i = 0; i < nCopied; ++i) pszBuffer[i] = m_strText[i];
  pszBuffer[nCopied] = 0;
  return nCopied;
}

LRESULT CColourTextCtrl::OnGetTextLength(WPARAM, LPARAM) { return m_strText.GetLength(); }

void CColourTextCtrl::OnPaint() {
  CPaintDC dc(this);
  CString strText;
  GetWindowText(strText);
  RECT rect;
  GetClientRect(&rect);
  dc.SetTextColor(m_colour);
  dc.SetBkMode(TRANSPARENT);
  HGDIOBJ hOldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
  dc.DrawText(strText, &rect, DT_WORDBREAK);
  dc.SelectObject(hOldFont);
}
