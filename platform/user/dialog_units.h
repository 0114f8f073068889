// Dialog units: horizontal ones are a quarter of the font's average character width, vertical
// ones an eighth of its height.
#pragma once

#include <windows.h>

#include "gdi/font.h"

namespace platform::user::dialog_units {

gdi::Size base_units(const gdi::Font& font);
RECT to_pixels(const RECT& units, const gdi::Size& base);

}  // namespace platform::user::dialog_units
