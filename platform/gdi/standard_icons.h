// The four message-box icons, drawn as simple vector shapes.
#pragma once

#include <cstdint>

#include "gdi/canvas.h"

namespace platform::gdi {

// A 32x32 standard icon (IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK) at (x, y).
void paint_standard_icon(Canvas& canvas, int x, int y, uint16_t icon);

}  // namespace platform::gdi
