// The Windows error code for a failed Linux file call.
#pragma once

#include <windows.h>

namespace winsim::files {

DWORD error_from_errno(int error);

}  // namespace winsim::files
