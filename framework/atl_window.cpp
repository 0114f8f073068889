#include "atlwin.h"

namespace {

RECT WorkArea() {
  RECT area = {0, 0, 0, 0};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// The start of a span of `size` centred on [low, high), moved back inside [areaLow, areaHigh).
LONG Centred(LONG low, LONG high, LONG size, LONG areaLow, LONG areaHigh) {
  LONG start = low + (high - low - size) / 2;
  if (start + size > areaHigh) start = areaHigh - size;
  if (start < areaLow) start = areaLow;
  return start;
}

}  // namespace

BOOL CWindow::CenterWindow(HWND hWndCenter) {
  if (hWndCenter == nullptr) hWndCenter = ::GetWindow(m_hWnd, GW_OWNER);
  RECT area = WorkArea();
  RECT over = area;
  if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter)) ::GetWindowRect(hWndCenter, &over);
  RECT window;
  if (!::GetWindowRect(m_hWnd, &window)) return FALSE;
  LONG width = window.right - window.left;
  LONG height = window.bottom - window.top;
  LONG x = Centred(over.left, over.right, width, area.left, area.right);
  LONG y = Centred(over.top, over.bottom, height, area.top, area.bottom);
  return ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
