// The state and relations of windows: enabled, shown, focus, activation, parent, owner.
#include <windows.h>

#include "kernel/thread.h"
#include "user/deliver.h"
#include "user/focus.h"
#include "user/show_state.h"
#include "user/update_region.h"
#include "user/window_table.h"
#include "user/window_tree.h"

using namespace platform;
using namespace platform::user;

namespace {

// The next or previous sibling of `w` among its parent's children (or the top-level windows).
HWND sibling(const Window& w, int step) {
  std::vector<HWND> list;
  if (WindowPtr parent = find_window(w.parent)) list = parent->children;
  else
    for (const WindowPtr& t : table::top_levels()) list.push_back(t->hwnd);
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] != w.hwnd) continue;
    long j = long(i) + step;
    return j >= 0 && size_t(j) < list.size() ? list[size_t(j)] : nullptr;
  }
  return nullptr;
}

}  // namespace

extern "C" {

BOOL WINAPI IsWindow(HWND hWnd) { return find_window(hWnd) != nullptr; }

// The return value is whether the window was disabled before.
BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  bool was_disabled = w->style & WS_DISABLED;
  if (was_disabled == !bEnable) return was_disabled;
  if (bEnable) w->style &= ~WS_DISABLED;
  else w->style |= WS_DISABLED;
  if (!bEnable && w->tid == thread::current_id()) {
    HWND f = focus::focused();
    if (f == hWnd || tree::is_descendant(hWnd, f)) focus::set(nullptr);
  }
  send(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
  return was_disabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  WindowPtr w = window_of(hWnd);
  return w && !(w->style & WS_DISABLED);
}

// The return value is whether the window was visible before.
BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  WindowPtr w = window_of(hWnd);
  if (!w) return FALSE;
  bool was_visible = w->style & WS_VISIBLE;
  bool show = nCmdShow != SW_HIDE;
  bool resized = show && show_state::apply(*w, nCmdShow);
  if (show == was_visible && !resized) return was_visible;
  if (show != was_visible) {
    if (show) w->style |= WS_VISIBLE;
    else w->style &= ~WS_VISIBLE;
    send(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    paint::visibility_changed(*w);
  }
  // SW_MINIMIZE hands the activation on, as hiding does.
  bool deactivates = !show || nCmdShow == SW_MINIMIZE || nCmdShow == SW_FORCEMINIMIZE;
  bool activates = !deactivates && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE &&
                   nCmdShow != SW_SHOWMINNOACTIVE;
  if (activates && !w->parent && w->tid == thread::current_id()) focus::activate(hWnd);
  if (deactivates && focus::active() == hWnd && w->owner) focus::activate(w->owner);
  return was_visible;
}

BOOL WINAPI IsIconic(HWND hWnd) {
  WindowPtr w = find_window(hWnd);
  return w && (w->style & WS_MINIMIZE);
}

BOOL WINAPI IsWindowVisible(HWND hWnd) {
  WindowPtr w = find_window(hWnd);
  return w && tree::shown(*w);
}

HWND WINAPI GetParent(HWND hWnd) {
  WindowPtr w = window_of(hWnd);
  if (!w) return nullptr;
  if (w->style & WS_CHILD) return w->parent;
  return w->owner;
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) { return tree::is_descendant(hWndParent, hWnd); }

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  WindowPtr w = window_of(hWnd);
  if (!w) return nullptr;
  switch (uCmd) {
    case GW_CHILD: return w->children.empty() ? nullptr : w->children.front();
    case GW_OWNER: return w->owner;
    case GW_HWNDNEXT: return sibling(*w, 1);
    case GW_HWNDPREV: return sibling(*w, -1);
    case GW_HWNDFIRST:
    case GW_HWNDLAST: {
      HWND at = hWnd;
      int step = uCmd == GW_HWNDFIRST ? -1 : 1;
      for (HWND n = at; n; n = sibling(*find_window(n), step)) at = n;
      return at;
    }
    case GW_ENABLEDPOPUP: return nullptr;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HWND WINAPI GetDesktopWindow(void) { return table::desktop_handle(); }

DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
  WindowPtr w = window_of(hWnd);
  if (!w) return 0;
  if (lpdwProcessId) *lpdwProcessId = GetCurrentProcessId();
  return w->tid;
}

HWND WINAPI GetActiveWindow(void) { return focus::active(); }
HWND WINAPI GetForegroundWindow(void) { return focus::active(); }

HWND WINAPI SetActiveWindow(HWND hWnd) {
  if (hWnd && !window_of(hWnd)) return nullptr;
  return focus::activate(hWnd ? tree::root_of(hWnd) : nullptr);
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  if (!window_of(hWnd)) return FALSE;
  focus::activate(tree::root_of(hWnd));
  return TRUE;
}

HWND WINAPI SetFocus(HWND hWnd) {
  if (hWnd && !window_of(hWnd)) return nullptr;
  return focus::set(hWnd);
}

HWND WINAPI GetFocus(void) { return focus::focused(); }

}  // extern "C"
