#include "hyperlink.h"

namespace {

const char kOriginalProc[] = "_Hyperlink_Original_Proc_";
const char kOriginalFont[] = "_Hyperlink_Original_Font_";
const char kUnderlineFont[] = "_Hyperlink_Underline_Font_";
const char kFromStatic[] = "_Hyperlink_From_Static_";

const COLORREF kLinkColour = RGB(0, 0, 192);

WNDPROC OriginalProc(HWND hWnd) {
  return reinterpret_cast<WNDPROC>(reinterpret_cast<LONG_PTR>(GetPropA(hWnd, kOriginalProc)));
}

// Keeps the window's procedure in its property and installs the new one.
void Subclass(HWND hWnd, WNDPROC pfnProc) {
  SetPropA(hWnd, kOriginalProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(hWnd, GWLP_WNDPROC)));
  SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnProc));
}

// Puts the kept procedure back and removes its property; returns it for the message in hand.
WNDPROC Unsubclass(HWND hWnd) {
  WNDPROC pfnOriginal = OriginalProc(hWnd);
  SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOriginal));
  RemovePropA(hWnd, kOriginalProc);
  return pfnOriginal;
}

void ShowFont(HWND hWnd, const char* pszProperty) {
  SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetPropA(hWnd, pszProperty)), FALSE);
  InvalidateRect(hWnd, nullptr, FALSE);
}

}  // namespace

BOOL MakeStaticHyperlink(HWND hStatic) {
  HWND hParent = GetParent(hStatic);
  if (hParent != nullptr &&
      GetWindowLongPtrA(hParent, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&HyperlinkParentProc))
    Subclass(hParent, &HyperlinkParentProc);

  SetWindowLongPtrA(hStatic, GWL_STYLE, GetWindowLongPtrA(hStatic, GWL_STYLE) | SS_NOTIFY);
  Subclass(hStatic, &HyperlinkStaticProc);

  HFONT hFont = reinterpret_cast<HFONT>(SendMessageA(hStatic, WM_GETFONT, 0, 0));
  SetPropA(hStatic, kOriginalFont, hFont);
  LOGFONTA logFont = {};
  GetObjectA(hFont, sizeof logFont, &logFont);
  logFont.lfUnderline = TRUE;
  SetPropA(hStatic, kUnderlineFont, CreateFontIndirectA(&logFont));
  SetPropA(hStatic, kFromStatic, reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(1)));
  return TRUE;
}

LRESULT CALLBACK HyperlinkParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      if (GetPropA(reinterpret_cast<HWND>(lParam), kFromStatic) != nullptr) {
        LRESULT brush = CallWindowProcA(OriginalProc(hWnd), hWnd, message, wParam, lParam);
        SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
        return brush;
      }
      break;
    case WM_DESTROY:
      return CallWindowProcA(Unsubclass(hWnd), hWnd, message, wParam, lParam);
  }
  return CallWindowProcA(OriginalProc(hWnd), hWnd, message, wParam, lParam);
}

LRESULT CALLBACK HyperlinkStaticProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR: {
      HCURSOR hCursor = LoadCursorA(nullptr, IDC_HAND);
      if (hCursor == nullptr) hCursor = LoadCursorA(nullptr, IDC_ARROW);
      SetCursor(hCursor);
      return TRUE;
    }
    case WM_MOUSEMOVE:
      if (GetCapture() != hWnd) {
        ShowFont(hWnd, kUnderlineFont);
        SetCapture(hWnd);
      } else {
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hWnd, &point);
        RECT rect = {};
        GetWindowRect(hWnd, &rect);
        bool bInside = point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
        if (!bInside) {
          ShowFont(hWnd, kOriginalFont);
          ReleaseCapture();
        }
      }
      break;
    case WM_DESTROY: {
      WNDPROC pfnOriginal = Unsubclass(hWnd);
      SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetPropA(hWnd, kOriginalFont)), FALSE);
      DeleteObject(RemovePropA(hWnd, kUnderlineFont));
      RemovePropA(hWnd, kOriginalFont);
      RemovePropA(hWnd, kFromStatic);
      return CallWindowProcA(pfnOriginal, hWnd, message, wParam, lParam);
    }
  }
  return CallWindowProcA(OriginalProc(hWnd), hWnd, message, wParam, lParam);
}
