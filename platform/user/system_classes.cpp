#include "user/system_classes.h"

#include <mutex>

#include "user/controls.h"
#include "user/window_class.h"

namespace platform::user {
namespace {

WindowClass system_class(std::u16string name, WNDPROC proc, int window_extra = 0, ATOM atom = 0) {
  WindowClass c;
  c.name = std::move(name);
  c.atom = atom;
  c.style = CS_GLOBALCLASS | CS_DBLCLKS;
  c.proc = proc;
  c.window_extra = window_extra;
  return c;
}

}  // namespace

void register_system_classes() {
  static std::once_flag once;
  std::call_once(once, [] {
    register_class(system_class(u"Button", controls::button_proc));
    register_class(system_class(u"Edit", controls::edit_proc));
    register_class(system_class(u"Static", controls::static_proc));
    register_class(system_class(u"ListBox", controls::list_box_proc));
    register_class(system_class(u"#32770", DefDlgProcW, DLGWINDOWEXTRA, kDialogAtom));
  });
}

}  // namespace platform::user
