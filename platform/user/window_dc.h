// Device contexts on windows: GetDC, GetWindowDC and BeginPaint draw through them into the
// top-level window's surface.
#pragma once

#include <windows.h>

#include "gdi/region.h"
#include "user/window.h"

namespace platform::user::paint {

// A DC on the client area (or the whole window), clipped to the part of it that shows through
// its ancestors, without its children (WS_CLIPCHILDREN) and the siblings above it
// (WS_CLIPSIBLINGS), and to `limit` (client coordinates) when given.
HDC window_dc(const Window& w, bool whole_window, const gdi::Region* limit);

}  // namespace platform::user::paint
