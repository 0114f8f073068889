// How a list box lays out its rows and its vertical scroll bar: its procedure (clicks, scrolling)
// and its painter have to agree. The scroll bar stands inside the client area, at its right.
#pragma once

#include <windows.h>

#include <algorithm>

namespace platform::user::list_box {

constexpr int kScrollBarWidth = 17;  // SM_CXVSCROLL
constexpr int kArrowHeight = 17;     // SM_CYVSCROLL
constexpr int kMinThumb = 8;

// Rows wholly in view in a client area `height` high; at least one.
inline int full_rows(int height, int item_height) { return std::max(1, height / std::max(1, item_height)); }

// The highest top index that still fills the view down to the last item.
inline int last_top(int count, int height, int item_height) {
  return std::max(0, count - full_rows(height, item_height));
}

inline bool overflows(int count, int height, int item_height) { return count > full_rows(height, item_height); }

// WS_VSCROLL shows the bar while the items overflow; LBS_DISABLENOSCROLL keeps it, disabled.
inline bool shows_scroll_bar(DWORD style, int count, int height, int item_height) {
  return (style & WS_VSCROLL) && ((style & LBS_DISABLENOSCROLL) || overflows(count, height, item_height));
}

struct Thumb {
  int y = 0;
  int length = 0;  // 0: no thumb (nothing to scroll, or no room)
};

// The thumb on the track between the arrows of a bar `height` high.
inline Thumb thumb(int height, int count, int item_height, int top) {
  int track = height - 2 * kArrowHeight;
  int rows = full_rows(height, item_height);
  if (count <= rows || track < kMinThumb) return {};
  int length = std::clamp(track * rows / count, kMinThumb, track);
  return {kArrowHeight + (track - length) * top / (count - rows), length};
}

}  // namespace platform::user::list_box
