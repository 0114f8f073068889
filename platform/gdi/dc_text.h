// Text drawn through a device context, and the measures GetTextMetrics reports.
#pragma once

#include <windows.h>

#include <string_view>

#include "gdi/device_context.h"

namespace platform::gdi {

// One line with its cell's top left at logical (x, y), in the DC's font and text colour, on the
// background colour when the background mode is OPAQUE. `clip`, in logical units, limits it.
void draw_text_line(DeviceContext& dc, int x, int y, std::u16string_view text, const Rect* clip = nullptr);

TEXTMETRICW text_metrics(const Font& font);

}  // namespace platform::gdi
