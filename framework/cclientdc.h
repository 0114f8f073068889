// The device context of a window's client area: GetDC on construction, ReleaseDC on
// destruction. A null window means the screen.
#pragma once

#include "cdc.h"

class CWnd;

class CClientDC : public CDC {
  DECLARE_DYNAMIC(CClientDC)

 public:
  // Throws CResourceException* when the window gives no context.
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd;
};
