// Icon and cursor handles: the system's standard ones stand for their ids.
#pragma once

#include <windows.h>

namespace platform::user::icons {

HICON standard(WORD id);
// The IDI_ id behind a standard icon handle; 0 for any other handle.
WORD standard_id(HICON icon);

}  // namespace platform::user::icons
