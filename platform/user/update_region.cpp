#include "user/update_region.h"

#include <algorithm>

#include "user/deliver.h"
#include "user/geometry.h"
#include "user/message_queue.h"
#include "user/paint_geometry.h"
#include "user/window_tree.h"

namespace platform::user::paint {
namespace {

void note(const Window& w) {
  if (std::shared_ptr<MessageQueue> q = queue_of(w.tid)) q->set_paint_pending(w.hwnd, !w.update.empty());
}

bool has_frame(const Window& w) {
  RECT r = geometry::client_rect_on_screen(w);
  return r.left != w.rect.left || r.top != w.rect.top || r.right != w.rect.right || r.bottom != w.rect.bottom;
}

}  // namespace

gdi::Rect client_area(const Window& w) {
  RECT r = geometry::client_rect_on_screen(w);
  return {0, 0, r.right - r.left, r.bottom - r.top};
}

void invalidate(Window& w, const gdi::Region& area, bool erase, Children children, bool frame) {
  if (!tree::shown(w)) return;
  gdi::Region added = area;
  added.intersect(client_area(w));
  if (frame && has_frame(w)) w.frame_pending = true;
  if (!added.empty()) {
    w.update.add(added);
    w.erase_pending = w.erase_pending || erase;
    note(w);
  }
  if (children == Children::none || (children == Children::by_style && (w.style & WS_CLIPCHILDREN))) return;
  POINT origin = geometry::client_origin(w);
  gdi::Region on_screen = area;
  on_screen.intersect(client_area(w));
  on_screen.offset(origin.x, origin.y);
  for (HWND h : w.children) {
    WindowPtr child = find_window(h);
    if (!child) continue;
    // The part of the area over the child, in the child's client coordinates.
    gdi::Region over = on_screen;
    over.intersect(rect_of(child->rect));
    if (over.empty()) continue;
    POINT child_origin = geometry::client_origin(*child);
    over.offset(-child_origin.x, -child_origin.y);
    invalidate(*child, over, erase, children, true);
  }
}

void invalidate_client(Window& w, bool erase, Children children, bool frame) {
  invalidate(w, gdi::Region(client_area(w)), erase, children, frame);
}

void visibility_changed(Window& w) {
  if (w.style & WS_VISIBLE) return invalidate_client(w, true, Children::all, true);
  WindowPtr parent = find_window(w.parent);
  if (!parent) return;
  gdi::Region uncovered(rect_of(w.rect));
  POINT origin = geometry::client_origin(*parent);
  uncovered.offset(-origin.x, -origin.y);
  invalidate(*parent, uncovered, true, Children::by_style, false);
}

void validate(Window& w, const gdi::Region& area) {
  for (const gdi::Rect& r : area.rects()) w.update.subtract(r);
  if (w.update.empty()) w.erase_pending = false;
  note(w);
}

void validate_all(Window& w) { validate(w, gdi::Region(client_area(w))); }

HWND next_to_paint(const std::vector<HWND>& pending, HWND filter) {
  auto is_pending = [&](HWND h) { return std::find(pending.begin(), pending.end(), h) != pending.end(); };
  for (HWND h : pending) {
    if (filter && h != filter) continue;
    WindowPtr w = find_window(h);
    if (!w || !tree::shown(*w)) continue;
    bool ancestor_pending = false;
    for (WindowPtr up = find_window(w->parent); up && !ancestor_pending; up = find_window(up->parent))
      ancestor_pending = is_pending(up->hwnd);
    if (!ancestor_pending) return h;
  }
  return nullptr;
}

void update_now(HWND hwnd, bool children) {
  WindowPtr w = find_window(hwnd);
  if (!w || !tree::shown(*w)) return;
  if (!w->update.empty() || w->frame_pending) send(hwnd, WM_PAINT, 0, 0);
  if (!children) return;
  std::vector<HWND> kids = w->children;  // a paint may create or destroy windows
  for (HWND child : kids) update_now(child, true);
}

}  // namespace platform::user::paint
