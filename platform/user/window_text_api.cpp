// Window texts: through WM_GETTEXT / WM_SETTEXT, as the window's procedure answers them.
#include <windows.h>

#include "user/deliver.h"

using namespace platform::user;

extern "C" {

int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
  if (!window_of(hWnd) || !lpString || nMaxCount <= 0) return 0;
  return int(send(hWnd, WM_GETTEXT, WPARAM(nMaxCount), LPARAM(lpString), true));
}

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  if (!window_of(hWnd) || !lpString || nMaxCount <= 0) return 0;
  return int(send(hWnd, WM_GETTEXT, WPARAM(nMaxCount), LPARAM(lpString), false));
}

int WINAPI GetWindowTextLengthW(HWND hWnd) { return int(send(hWnd, WM_GETTEXTLENGTH, 0, 0, true)); }
int WINAPI GetWindowTextLengthA(HWND hWnd) { return int(send(hWnd, WM_GETTEXTLENGTH, 0, 0, false)); }

BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
  if (!window_of(hWnd)) return FALSE;
  return BOOL(send(hWnd, WM_SETTEXT, 0, LPARAM(lpString), true));
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (!window_of(hWnd)) return FALSE;
  return BOOL(send(hWnd, WM_SETTEXT, 0, LPARAM(lpString), false));
}

}  // extern "C"
