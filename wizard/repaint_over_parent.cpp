#include "repaint_over_parent.h"

#include "cwnd.h"

void RepaintOverParent(CWnd& control) {
  CWnd* pParent = control.GetParent();
  if (control.GetSafeHwnd() == nullptr || pParent == nullptr) return;
  RECT rect;
  control.GetWindowRect(&rect);
  pParent->ScreenToClient(&rect);
  pParent->InvalidateRect(&rect, TRUE);
}
