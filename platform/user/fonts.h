// The fonts of the window manager's own windows (a dialog's template font, the message font)
// as GDI font handles.
#pragma once

#include <windows.h>

#include "gdi/font.h"

namespace platform::user::fonts {

// The same font always gives the same handle, a permanent one: deleting it does nothing.
HFONT handle_for(const gdi::Font& font);
// The font behind any font handle; the message font for a null or unknown one.
gdi::Font font_of(HFONT font);

}  // namespace platform::user::fonts
