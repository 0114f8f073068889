// Window procedures handed to a caller of the other character set. GetWindowLongPtrA of a window
// whose procedure takes wide text (and the reverse) gives a handle instead of the address, so
// that CallWindowProc and SetWindowLongPtr know which form the procedure takes. A handle is a
// full 64-bit value with its high bits set, never a valid address.
#pragma once

#include <windows.h>

namespace platform::user::procs {

struct Resolved {
  WNDPROC proc;
  bool unicode;
};

// What GetWindowLongPtr(GWLP_WNDPROC) returns to a caller of form `caller_unicode`.
WNDPROC for_caller(WNDPROC proc, bool proc_unicode, bool caller_unicode);
// The procedure behind `value`; a plain address takes the form `assumed_unicode`.
Resolved resolve(WNDPROC value, bool assumed_unicode);

}  // namespace platform::user::procs
