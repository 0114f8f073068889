#include "text_font.h"

void SetTextFont(CWnd& page, const CFont& font, std::initializer_list<int> controlIds) {
  for (int nID : controlIds)
    page.SendDlgItemMessage(nID, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
}
