#include "user/show_state.h"

#include "user/geometry.h"
#include "user/system_menu.h"
#include "user/update_region.h"

namespace platform::user::show_state {
namespace {

void place_and_repaint(Window& w, const RECT& at) {
  RECT before = w.rect;
  geometry::place(w, at);
  system_menu::update_states(w);
  paint::placement_changed(w, before);
}

void minimize(Window& w) {
  w.restored = w.rect;
  w.style |= WS_MINIMIZE;
  place_and_repaint(w, RECT{w.rect.left, w.rect.top, w.rect.left + kIconicSize, w.rect.top + kIconicSize});
}

void restore(Window& w) {
  w.style &= ~WS_MINIMIZE;
  place_and_repaint(w, w.restored);
}

// SW_SHOWNORMAL and SW_SHOWDEFAULT restore as SW_RESTORE does; SW_SHOW, SW_SHOWNA and
// SW_SHOWNOACTIVATE show the window as it is.
bool restores(int show_command) {
  return show_command == SW_RESTORE || show_command == SW_SHOWNORMAL || show_command == SW_SHOWDEFAULT;
}

bool minimizes(int show_command) {
  return show_command == SW_MINIMIZE || show_command == SW_SHOWMINIMIZED || show_command == SW_SHOWMINNOACTIVE ||
         show_command == SW_FORCEMINIMIZE;
}

}  // namespace

bool apply(Window& w, int show_command) {
  if (w.parent) return false;
  bool iconic = w.style & WS_MINIMIZE;
  if (minimizes(show_command) && !iconic) {
    minimize(w);
    return true;
  }
  if (restores(show_command) && iconic) {
    restore(w);
    return true;
  }
  return false;
}

}  // namespace platform::user::show_state
