#include "comctl/control_classes.h"

#include "user/deliver.h"
#include "user/window.h"
#include "user/window_class.h"

namespace platform::comctl {

void register_control_class(const char16_t* name, WNDPROC proc) {
  if (user::find_class(reinterpret_cast<const WCHAR*>(name))) return;
  user::WindowClass c;
  c.name = name;
  c.style = CS_GLOBALCLASS | CS_DBLCLKS;
  c.proc = proc;
  user::register_class(std::move(c));
}

LRESULT notify(HWND control, UINT code, NMHDR* header) {
  user::WindowPtr w = user::find_window(control);
  if (!w || !w->parent) return 0;
  header->hwndFrom = control;
  header->idFrom = w->id;
  header->code = code;
  return user::send(w->parent, WM_NOTIFY, w->id, LPARAM(header));
}

}  // namespace platform::comctl
