#include "user/controls.h"

#include "user/deliver.h"

namespace platform::user::controls {

void notify_parent(HWND control, WORD code) {
  WindowPtr w = find_window(control);
  if (!w || !w->parent) return;
  send(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), LPARAM(control));
}

}  // namespace platform::user::controls
