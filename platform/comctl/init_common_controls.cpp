// The control classes come with the desktop; until then only the caller's structure is checked.
#include <windows.h>
#include <commctrl.h>

extern "C" BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
  return picce && picce->dwSize == sizeof(INITCOMMONCONTROLSEX);
}
