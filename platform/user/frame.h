// The non-client parts of a window with the classic look: border, dialog frame, sizing frame,
// caption, client edge. Figures in pixels at 96 DPI.
#pragma once

#include <windows.h>

namespace platform::user::frame {

constexpr int kCaption = 18;      // SM_CYCAPTION
constexpr int kBorder = 1;        // SM_CXBORDER
constexpr int kDialogFrame = 3;   // SM_CXDLGFRAME
constexpr int kSizingFrame = 4;   // SM_CXFRAME
constexpr int kEdge = 2;          // SM_CXEDGE

// How far the client area lies inside the window rectangle on each side.
RECT insets(DWORD style, DWORD exstyle);

}  // namespace platform::user::frame
