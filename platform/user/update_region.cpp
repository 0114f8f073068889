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
  if (std::shared_ptr<MessageQueue> q = queue_of(w.tid))
    q->set_paint_pending(w.hwnd, !w.update.empty() || w.frame_pending);
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

namespace {

// Adds the area to the update region of `w` and of the children it reaches.
void add_to_tree(Window& w, const gdi::Region& area, bool erase, Children children, bool frame) {
  if (!tree::shown(w) || tree::under_iconic(w)) return;
  gdi::Region added = area;
  added.intersect(client_area(w));
  bool frame_added = frame && has_frame(w) && !w.frame_pending;
  if (frame_added) w.frame_pending = true;
  if (!added.empty()) {
    w.update.add(added);
    w.erase_pending = w.erase_pending || erase;
  }
  if (frame_added || !added.empty()) note(w);
  if (children == Children::none || (children == Children::by_style && (w.style & WS_CLIPCHILDREN)) ||
      (w.style & WS_MINIMIZE))
    return;
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
    add_to_tree(*child, over, erase, children, true);
  }
}

// Overlapping siblings paint in the order of their list, a later one over an earlier one that
// does not clip it away. Where `w` paints again (`on_screen`), the later siblings of it and of
// its ancestors that cover the area paint again too, so that what shows stays on top.
void add_to_later_siblings(const Window& w, gdi::Region on_screen, bool erase, Children children) {
  for (WindowPtr at = find_window(w.hwnd), parent; at && (parent = find_window(at->parent)); at = parent) {
    RECT client = geometry::client_rect_on_screen(*parent);
    on_screen.intersect(rect_of(client));
    if (on_screen.empty()) return;
    auto me = std::find(parent->children.begin(), parent->children.end(), at->hwnd);
    if (me == parent->children.end()) continue;
    std::vector<HWND> later(me + 1, parent->children.end());
    for (HWND h : later) {
      WindowPtr sibling = find_window(h);
      if (!sibling) continue;
      gdi::Region over = on_screen;
      over.intersect(rect_of(sibling->rect));
      if (over.empty()) continue;
      POINT origin = geometry::client_origin(*sibling);
      over.offset(-origin.x, -origin.y);
      add_to_tree(*sibling, over, erase, children, true);
    }
  }
}

}  // namespace

void invalidate(Window& w, const gdi::Region& area, bool erase, Children children, bool frame) {
  if (!tree::shown(w)) return;
  add_to_tree(w, area, erase, children, frame);
  if (!w.parent) return;
  gdi::Region on_screen = area;
  on_screen.intersect(client_area(w));
  POINT origin = geometry::client_origin(w);
  on_screen.offset(origin.x, origin.y);
  if (frame) on_screen.add(rect_of(w.rect));
  add_to_later_siblings(w, on_screen, erase, children);
}

void invalidate_client(Window& w, bool erase, Children children, bool frame) {
  invalidate(w, gdi::Region(client_area(w)), erase, children, frame);
}

void invalidate_control(Window& w) { invalidate_client(w, true, Children::none, false); }

void invalidate_frame(Window& w) { invalidate(w, gdi::Region(), false, Children::none, true); }

namespace {

// Where a child no longer covers its parent (screen coordinates), the parent paints again.
void uncover(const Window& w, const RECT& where) {
  WindowPtr parent = find_window(w.parent);
  if (!parent) return;
  gdi::Region uncovered(rect_of(where));
  POINT origin = geometry::client_origin(*parent);
  uncovered.offset(-origin.x, -origin.y);
  invalidate(*parent, uncovered, true, Children::by_style, false);
}

}  // namespace

void visibility_changed(Window& w) {
  if (w.style & WS_VISIBLE) return invalidate_client(w, true, Children::all, true);
  uncover(w, w.rect);
}

void placement_changed(Window& w, const RECT& before) {
  if (!tree::shown(w)) return;
  bool sized = before.right - before.left != w.rect.right - w.rect.left ||
               before.bottom - before.top != w.rect.bottom - w.rect.top;
  if (!w.parent && !sized) return;
  uncover(w, before);
  invalidate_client(w, true, Children::all, true);
}

void validate(Window& w, const gdi::Region& area) {
  for (const gdi::Rect& r : area.rects()) w.update.subtract(r);
  if (w.update.empty()) w.erase_pending = false;
  note(w);
}

void validate_all(Window& w) { validate(w, gdi::Region(client_area(w))); }

namespace {

// Where a window stands in its tree: its top-level window, then its index among its siblings
// at each level down. Windows paint in this order: a parent before its children, and
// overlapping siblings in the order of their list.
std::pair<HWND, std::vector<size_t>> tree_position(const Window& w) {
  std::vector<size_t> indexes;
  HWND root = w.hwnd;
  for (WindowPtr at = find_window(w.hwnd), parent; at; at = parent) {
    root = at->hwnd;
    parent = find_window(at->parent);
    if (!parent) break;
    auto me = std::find(parent->children.begin(), parent->children.end(), at->hwnd);
    indexes.insert(indexes.begin(), size_t(me - parent->children.begin()));
  }
  return {root, indexes};
}

}  // namespace

HWND next_to_paint(const std::vector<HWND>& pending, HWND filter) {
  HWND best = nullptr;
  std::pair<HWND, std::vector<size_t>> best_position;
  for (HWND h : pending) {
    if (filter && h != filter) continue;
    WindowPtr w = find_window(h);
    if (!w || !tree::shown(*w) || tree::under_iconic(*w)) continue;
    auto position = tree_position(*w);
    // The windows of the first tree that waits, in their painting order.
    if (best && (position.first != best_position.first || position.second >= best_position.second)) continue;
    best = h;
    best_position = std::move(position);
  }
  return best;
}

void update_now(HWND hwnd, bool children) {
  WindowPtr w = find_window(hwnd);
  if (!w || !tree::shown(*w) || tree::under_iconic(*w)) return;
  if (!w->update.empty() || w->frame_pending) send(hwnd, WM_PAINT, 0, 0);
  if (!children || (w->style & WS_MINIMIZE)) return;
  std::vector<HWND> kids = w->children;  // a paint may create or destroy windows
  for (HWND child : kids) update_now(child, true);
}

}  // namespace platform::user::paint
