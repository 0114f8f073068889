#include "user/window_dc.h"

#include "gdi/device_context.h"
#include "user/geometry.h"
#include "user/paint_geometry.h"
#include "user/window_surface.h"
#include "user/window_tree.h"

namespace platform::user::paint {
namespace {

void exclude_shown(gdi::Region& visible, const std::vector<HWND>& windows) {
  for (HWND h : windows)
    if (WindowPtr other = find_window(h); other && (other->style & WS_VISIBLE)) visible.subtract(rect_of(other->rect));
}

// What of `area` (screen coordinates) shows of window w.
gdi::Region visible_part(const Window& w, const gdi::Rect& area, bool client) {
  if (tree::under_iconic(w)) return gdi::Region();
  gdi::Region visible(area);
  for (WindowPtr up = find_window(w.parent); up; up = find_window(up->parent))
    visible.intersect(rect_of(geometry::client_rect_on_screen(*up)));
  if (client && (w.style & WS_CLIPCHILDREN)) exclude_shown(visible, w.children);
  if (WindowPtr parent = find_window(w.parent); parent && (w.style & WS_CLIPSIBLINGS)) {
    // The siblings made before it lie above it.
    std::vector<HWND> above;
    for (HWND h : parent->children) {
      if (h == w.hwnd) break;
      above.push_back(h);
    }
    exclude_shown(visible, above);
  }
  return visible;
}

}  // namespace

HDC window_dc(const Window& w, bool whole_window, const gdi::Region* limit) {
  WindowPtr root = find_window(tree::root_of(w.hwnd));
  if (!root) return nullptr;
  gdi::Rect area = rect_of(whole_window ? w.rect : geometry::client_rect_on_screen(w));
  gdi::Region clip = visible_part(w, area, !whole_window);
  if (limit) {
    gdi::Region limited = *limit;
    POINT client = geometry::client_origin(w);
    limited.offset(client.x, client.y);
    clip.intersect(limited);
  }
  clip.offset(-root->rect.left, -root->rect.top);
  POINT origin{area.x - root->rect.left, area.y - root->rect.top};
  return gdi::create_surface_dc(paint::surface_of(*root), origin, std::move(clip));
}

}  // namespace platform::user::paint
