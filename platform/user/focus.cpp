#include "user/focus.h"

#include "kernel/thread.h"
#include "user/deliver.h"
#include "user/window_tree.h"

namespace platform::user::focus {
namespace {

struct ThreadFocus {
  HWND focus = nullptr;
  HWND active = nullptr;
};

ThreadFocus& mine() {
  thread_local ThreadFocus f;
  return f;
}

}  // namespace

HWND focused() { return mine().focus; }
HWND active() { return mine().active; }

HWND activate(HWND hwnd) {
  ThreadFocus& f = mine();
  HWND before = f.active;
  if (hwnd == before) return before;
  if (before && find_window(before)) send(before, WM_ACTIVATE, WA_INACTIVE, LPARAM(hwnd));
  f.active = hwnd;
  if (hwnd) send(hwnd, WM_ACTIVATE, WA_ACTIVE, LPARAM(before));
  return before;
}

HWND set(HWND hwnd) {
  ThreadFocus& f = mine();
  HWND before = f.focus;
  if (hwnd) {
    WindowPtr w = window_of(hwnd);
    if (!w || w->tid != thread::current_id() || (w->style & WS_DISABLED)) return nullptr;
    activate(tree::root_of(hwnd));
  }
  if (hwnd == before) return before;
  f.focus = hwnd;
  if (before && find_window(before)) send(before, WM_KILLFOCUS, WPARAM(hwnd), 0);
  if (hwnd && f.focus == hwnd) send(hwnd, WM_SETFOCUS, WPARAM(before), 0);
  return before;
}

void forget(HWND hwnd) {
  ThreadFocus& f = mine();
  if (f.focus && (f.focus == hwnd || tree::is_descendant(hwnd, f.focus))) f.focus = nullptr;
  if (f.active == hwnd) f.active = nullptr;
}

}  // namespace platform::user::focus
