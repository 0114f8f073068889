#include "setup_progress_ctrl.h"

#include "cdc.h"
#include "cinvalidargexception.h"
#include "cpaintdc.h"
#include "repaint_over_parent.h"

namespace {

const COLORREF kTickTransparentColour = RGB(255, 255, 255);

}  // namespace

CSetupProgressCtrl::CSetupProgressCtrl() : m_hFont(nullptr), m_hBitmap(nullptr) {}

BEGIN_MESSAGE_MAP(CSetupProgressCtrl, CWnd)
  ON_MESSAGE(WM_SETFONT, &CSetupProgressCtrl::OnSetFont)
  ON_MESSAGE(WM_GETFONT, &CSetupProgressCtrl::OnGetFont)
  ON_WM_PAINT()
END_MESSAGE_MAP()

void CSetupProgressCtrl::AddStep(LPCTSTR lpszName) {
  m_stepNames.Add(lpszName);
  m_stepDone.Add(false);
  RepaintOverParent(*this);
}

void CSetupProgressCtrl::SetStepDone(int nIndex, bool bDone) {
  if (nIndex < 0 || nIndex >= m_stepDone.GetSize()) AfxThrowInvalidArgException();
  m_stepDone[nIndex] = bDone;
  RepaintOverParent(*this);
}

void CSetupProgressCtrl::SetBitmap(HBITMAP hBitmap) {
  m_hBitmap = hBitmap;
  RepaintOverParent(*this);
}

LRESULT CSetupProgressCtrl::OnSetFont(WPARAM wParam, LPARAM lParam) {
  m_hFont = reinterpret_cast<HFONT>(wParam);
  if (LOWORD(lParam) == 1) RepaintOverParent(*this);
  return 0;
}

LRESULT CSetupProgressCtrl::OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hFont); }

void CSetupProgressCtrl::OnPaint() {
  CPaintDC dc(this);
  RECT client;
  GetClientRect(&client);
  BITMAP bitmap = {};
  if (m_hBitmap != nullptr) GetObjectW(m_hBitmap, sizeof bitmap, &bitmap);

  dc.SetBkMode(TRANSPARENT);
  dc.SetTextAlign(TA_LEFT | TA_TOP);
  HGDIOBJ hOldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
  // Measured in the font the rows are drawn in, not the device context's default one.
  TEXTMETRIC metrics = {};
  dc.GetTextMetrics(&metrics);

  CDC memoryDC;
  memoryDC.CreateCompatibleDC(&dc);
  HGDIOBJ hOldBitmap = memoryDC.SelectObject(m_hBitmap);

  int nRowHeight = bitmap.bmHeight > 2 * metrics.tmHeight ? bitmap.bmHeight : 2 * metrics.tmHeight;
  int y = 0;
  for (int i = 0; i < m_stepNames.GetSize(); ++i, y += nRowHeight) {
    if (m_stepDone[i] && m_hBitmap != nullptr)
      dc.TransparentBlt(client.left + 5, client.top + y + (nRowHeight - bitmap.bmHeight) / 2, bitmap.bmWidth,
                        bitmap.bmHeight, &memoryDC, 0, 0, bitmap.bmWidth, bitmap.bmHeight, kTickTransparentColour);
    dc.TextOut(client.left + bitmap.bmWidth + 10, client.top + y + (nRowHeight - metrics.tmHeight) / 2,
               m_stepNames[i]);
  }

  memoryDC.SelectObject(hOldBitmap);
  dc.SelectObject(hOldFont);
}
