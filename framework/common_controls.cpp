#include "common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace framework {

void RegisterCommonControls(DWORD dwICC) {
  INITCOMMONCONTROLSEX init = {sizeof(init), dwICC};
  ::InitCommonControlsEx(&init);
}

}  // namespace framework
