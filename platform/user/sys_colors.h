// The system colours and their brushes, and the colour a brush paints with: a class background
// may name a system colour as COLOR_xxx + 1 instead of a brush.
#pragma once

#include <windows.h>

#include <optional>

namespace platform::user::colors {

// Null for a hollow brush or one that names nothing.
std::optional<COLORREF> brush_color(HBRUSH brush);

}  // namespace platform::user::colors
