// Moving around a dialog: the tab order, the default push button, giving a control the focus.
#pragma once

#include <windows.h>

namespace platform::user::navigation {

// DM_GETDEFID: the id DM_SETDEFID set, else the first BS_DEFPUSHBUTTON control's; 0 for none.
UINT default_id(HWND dlg);
// DM_SETDEFID: the old default button loses its thick frame, the new one gets it.
void set_default_id(HWND dlg, UINT id);
// Focus to `control`; an edit control's text gets selected, as tabbing into it does. A push
// button that takes the focus shows as the default one; any other control gives that frame
// back to the dialog's default button.
void focus_control(HWND dlg, HWND control);

}  // namespace platform::user::navigation
