// The service's own texts for RAS error codes: the symbolic name or the message of each code
// from 600 to 805. Constant data; any thread may call it.
#pragma once

#include <windows.h>

// bMessage non-zero: the message, zero: the name. Any other code gives "ERROR_UNKNOWN".
const char* GetRasErrorString(DWORD dwError, BYTE bMessage);
