// The module whose resources the framework's windows use: the application's instance, or the
// program itself when there is no application object (a test, a program without CWinApp).
#pragma once

#include <windows.h>

#include "cstringt.h"

namespace framework {

HINSTANCE ResourceInstance();
// String nID of the string table there; empty when it is missing.
CStringW LoadResourceString(UINT nID);

}  // namespace framework
