// The classes come into being as the caller asks for them by their ICC_ flags.
#include <windows.h>
#include <commctrl.h>

#include "comctl/control_classes.h"
#include "comctl/tooltip.h"

using namespace platform::comctl;

extern "C" BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
  if (!picce || picce->dwSize != sizeof(INITCOMMONCONTROLSEX)) return FALSE;
  if (picce->dwICC & ICC_PROGRESS_CLASS) register_control_class(u"msctls_progress32", progress_proc);
  if (picce->dwICC & ICC_INTERNET_CLASSES) register_control_class(u"SysIPAddress32", ip_address_proc);
  if (picce->dwICC & (ICC_BAR_CLASSES | ICC_TAB_CLASSES)) register_control_class(u"tooltips_class32", tooltip_proc);
  if (picce->dwICC & ICC_LINK_CLASS) register_control_class(u"SysLink", link_proc);
  return TRUE;
}
