#include "user/dialog_navigation.h"

#include <algorithm>
#include <vector>

#include "user/deliver.h"
#include "user/dialog_state.h"
#include "user/focus.h"
#include "user/window_tree.h"

namespace platform::user::navigation {
namespace {

LRESULT code_of(HWND control) { return send(control, WM_GETDLGCODE, 0, 0); }

bool is_push_button(HWND control) { return code_of(control) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON); }

// The thick frame goes to `button` (when it is a push button) and off every other one.
void show_default(HWND dlg, HWND button) {
  WindowPtr w = find_window(dlg);
  if (!w) return;
  for (HWND child : w->children) {
    LRESULT code = code_of(child);
    if ((code & DLGC_DEFPUSHBUTTON) && child != button) send(child, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    else if ((code & DLGC_UNDEFPUSHBUTTON) && child == button) send(child, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  }
}

}  // namespace

UINT default_id(HWND dlg) {
  DialogState* d = dialog_state(dlg);
  if (d && d->default_id) return d->default_id;
  WindowPtr w = find_window(dlg);
  if (!w) return 0;
  for (HWND child : w->children)
    if (code_of(child) & DLGC_DEFPUSHBUTTON) return GetDlgCtrlID(child);
  return 0;
}

void set_default_id(HWND dlg, UINT id) {
  DialogState* d = dialog_state(dlg);
  if (!d) return;
  HWND old_button = GetDlgItem(dlg, int(default_id(dlg)));
  if (old_button && is_push_button(old_button)) send(old_button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  d->default_id = id;
  HWND new_button = GetDlgItem(dlg, int(id));
  if (new_button && is_push_button(new_button)) send(new_button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SetLastError(0);
}

void focus_control(HWND dlg, HWND control) {
  // The default id stays the dialog's while a focused push button wears the default frame.
  DialogState* d = dialog_state(dlg);
  if (d && !d->default_id) d->default_id = default_id(dlg);
  focus::set(control);
  LRESULT code = code_of(control);
  if (code & DLGC_HASSETSEL) send(control, EM_SETSEL, 0, -1);
  UINT def = default_id(dlg);
  bool push_button = code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
  show_default(dlg, push_button ? control : def ? GetDlgItem(dlg, int(def)) : nullptr);
  SetLastError(0);
}

}  // namespace platform::user::navigation

using namespace platform::user;

namespace {

bool takes_input(const Window& w) { return (w.style & WS_VISIBLE) && !(w.style & WS_DISABLED); }

// Tab's walk over the dialog: its controls in creation order, with the controls of a shown and
// enabled WS_EX_CONTROLPARENT child (a property sheet's page) in the place of that child, at any
// depth. Each entry says whether Tab may stop there.
struct TabEntry {
  HWND control;
  bool stop;
};

void tab_walk(const Window& parent, std::vector<TabEntry>& out) {
  for (HWND child : parent.children) {
    WindowPtr c = find_window(child);
    if (!c) continue;
    if (c->exstyle & WS_EX_CONTROLPARENT) {
      out.push_back({child, false});
      if (takes_input(*c)) tab_walk(*c, out);
      continue;
    }
    out.push_back({child, (c->style & WS_TABSTOP) && takes_input(*c)});
  }
}

// The next stop after `from` (before it with `previous`), going round; from the start (the end)
// when `from` is not in the walk. `from` itself when there is no other stop.
HWND next_tab_stop(const Window& dlg, HWND from, BOOL previous) {
  std::vector<TabEntry> walk;
  tab_walk(dlg, walk);
  const size_t n = walk.size();
  auto it = std::find_if(walk.begin(), walk.end(), [from](const TabEntry& e) { return from && e.control == from; });
  size_t at = it == walk.end() ? (previous ? 0 : n - 1) : size_t(it - walk.begin());
  for (size_t k = 1; k <= n; ++k) {
    const TabEntry& e = walk[previous ? (at + n - k) % n : (at + k) % n];
    if (e.stop) return e.control;
  }
  return from;
}

// The group of `control`: from the control with WS_GROUP at or before it up to the next WS_GROUP.
std::vector<HWND> group_of(const Window& dlg, HWND control) {
  std::vector<HWND> group;
  for (HWND child : dlg.children) {
    WindowPtr c = find_window(child);
    if (!c) continue;
    if (c->style & WS_GROUP) {
      bool found = std::find(group.begin(), group.end(), control) != group.end();
      if (found) break;
      group.clear();
    }
    if ((c->style & WS_VISIBLE) && !(c->style & WS_DISABLED)) group.push_back(child);
  }
  return group;
}

HWND step(const std::vector<HWND>& list, HWND from, BOOL previous) {
  if (list.empty()) return nullptr;
  auto it = std::find(list.begin(), list.end(), from);
  if (it == list.end()) return previous ? list.back() : list.front();
  size_t i = size_t(it - list.begin());
  size_t n = list.size();
  return list[previous ? (i + n - 1) % n : (i + 1) % n];
}

}  // namespace

extern "C" {

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  WindowPtr d = window_of(hDlg);
  if (!d) return nullptr;
  return next_tab_stop(*d, hCtl, bPrevious);
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  WindowPtr d = window_of(hDlg);
  if (!d) return nullptr;
  return step(group_of(*d, hCtl), hCtl, bPrevious);
}

}  // extern "C"
