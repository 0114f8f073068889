// A dialog window and its controls made from a template, up to and including WM_INITDIALOG.
#pragma once

#include <windows.h>

#include "user/dialog_template.h"

namespace platform::user {

// Null when the dialog or one of its controls could not be made (unless DS_NOFAILCREATE).
// The dialog procedure takes its messages in wide form; they carry no text it needs converted.
HWND create_dialog(HINSTANCE instance, const DialogTemplate& dialog, HWND owner, DLGPROC proc, LPARAM param);

}  // namespace platform::user
