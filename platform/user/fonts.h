// Font handles of the desktop: a dialog's template font handed to its controls with WM_SETFONT.
#pragma once

#include <windows.h>

#include "gdi/font.h"

namespace platform::user::fonts {

// The same font always gives the same handle; handles live as long as the process.
HFONT handle_for(const gdi::Font& font);
// The message font for a null or unknown handle.
gdi::Font font_of(HFONT font);

}  // namespace platform::user::fonts
