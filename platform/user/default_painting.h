// What DefWindowProc paints: the frame (WM_NCPAINT), the class background (WM_ERASEBKGND), the
// system's controls (WM_PAINT) and the default control colours (WM_CTLCOLOR...).
#pragma once

#include <windows.h>

#include "user/window.h"

namespace platform::user::paint {

// BeginPaint and EndPaint; between them a window of a class with a painter is painted by it,
// with the brush and text colour its parent answers WM_CTLCOLOR... with.
void default_paint(const Window& w);
void default_frame(const Window& w);
// False when the class has no background brush: the area stays as it is.
bool erase_with_class_brush(const Window& w, HDC dc);
// The system's colours set in the DC, and the brush of the background they go with.
HBRUSH default_control_colors(UINT msg, HDC dc);

}  // namespace platform::user::paint
