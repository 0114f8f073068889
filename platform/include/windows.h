// The Win32 subset of the simulated machine. Programs include this header as they include the
// real one; it includes the headers of the areas in the order the real one does.
#pragma once

#include "windef.h"
#include "winbase.h"
#include "winerror.h"
#include "wingdi.h"
#include "winuser.h"
#include "winnls.h"
#include "wincon.h"
#include "winreg.h"
#include "winsvc.h"
