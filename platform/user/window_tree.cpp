#include "user/window_tree.h"

namespace platform::user::tree {
namespace {

void collect(const Window& w, std::vector<WindowPtr>& out) {
  for (HWND child : w.children) {
    WindowPtr c = find_window(child);
    if (!c) continue;
    out.push_back(c);
    collect(*c, out);
  }
}

}  // namespace

HWND root_of(HWND hwnd) {
  WindowPtr w = find_window(hwnd);
  while (w && w->parent) {
    WindowPtr up = find_window(w->parent);
    if (!up) break;
    w = up;
  }
  return w ? w->hwnd : nullptr;
}

bool is_descendant(HWND ancestor, HWND hwnd) {
  for (WindowPtr w = find_window(hwnd); w && w->parent; w = find_window(w->parent))
    if (w->parent == ancestor) return true;
  return false;
}

std::vector<WindowPtr> descendants(HWND hwnd) {
  std::vector<WindowPtr> out;
  if (WindowPtr w = find_window(hwnd)) collect(*w, out);
  return out;
}

bool shown(const Window& window) {
  if (!(window.style & WS_VISIBLE)) return false;
  WindowPtr up = window.parent ? find_window(window.parent) : nullptr;
  return !up || shown(*up);
}

bool under_iconic(const Window& window) {
  for (WindowPtr up = find_window(window.parent); up; up = find_window(up->parent))
    if (up->style & WS_MINIMIZE) return true;
  return false;
}

}  // namespace platform::user::tree
