// DestroyWindow: the owned windows first, then WM_DESTROY from the window down to its
// children, and WM_NCDESTROY from the children up.
#include <windows.h>

#include <algorithm>

#include "kernel/thread.h"
#include "user/deliver.h"
#include "user/focus.h"
#include "user/message_queue.h"
#include "user/system_menu.h"
#include "user/update_region.h"
#include "user/window_table.h"
#include "user/window_tree.h"

namespace {

using namespace platform;
using namespace platform::user;

void send_destroy(const WindowPtr& w) {
  send(w->hwnd, WM_DESTROY, 0, 0);
  for (HWND child : std::vector<HWND>(w->children))
    if (WindowPtr c = find_window(child)) send_destroy(c);
}

void send_ncdestroy(const WindowPtr& w) {
  for (HWND child : std::vector<HWND>(w->children))
    if (WindowPtr c = find_window(child)) send_ncdestroy(c);
  send(w->hwnd, WM_NCDESTROY, 0, 0);
  // DestroyWindow flushes what was posted to the window.
  current_queue().drop_posted(w->hwnd);
  if (WindowPtr parent = find_window(w->parent)) std::erase(parent->children, w->hwnd);
  system_menu::revert(*w);
  table::remove(w->hwnd);
}

}  // namespace

extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) {
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  if (w->tid != thread::current_id()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (w->destroying) return TRUE;
  w->destroying = true;
  if (!w->parent)
    for (const WindowPtr& owned : table::top_levels())
      if (owned->owner == hWnd) DestroyWindow(owned->hwnd);
  // Where a shown child was, its parent paints again.
  bool was_shown = tree::shown(*w);
  w->style &= ~WS_VISIBLE;
  if (was_shown) paint::visibility_changed(*w);
  bool was_active = focus::active() == hWnd;
  focus::forget(hWnd);
  send_destroy(w);
  send_ncdestroy(w);
  if (was_active && w->owner && find_window(w->owner)) focus::activate(w->owner);
  return TRUE;
}
