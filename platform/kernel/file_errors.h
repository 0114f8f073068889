// The Windows error code for a failed Linux file call.
#pragma once

#include <windows.h>

namespace platform::files {

DWORD error_from_errno(int error);

}  // namespace platform::files
