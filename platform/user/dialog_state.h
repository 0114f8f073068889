// What the dialog manager keeps for each dialog window.
#pragma once

#include <windows.h>

#include "gdi/font.h"
#include "user/window.h"

namespace platform::user {

struct DialogState : ControlState {
  gdi::Size base_units{6, 13};
  HFONT font = nullptr;
  bool ended = false;
  INT_PTR result = 0;
  UINT default_id = 0;       // set by DM_SETDEFID; 0: the BS_DEFPUSHBUTTON control's
  HWND saved_focus = nullptr;  // the control that had the focus when the dialog lost it
};

// The dialog state of a dialog window; null for any other window.
DialogState* dialog_state(HWND dialog);

}  // namespace platform::user
