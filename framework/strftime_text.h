// The C runtime's strftime for the time classes' Format, in the caller's character width.
#pragma once

#include <windows.h>

#include "cstringt.h"

namespace framework {

// The date and time (its day of the week is worked out from the date) by pszFormat's strftime
// codes; nIsDst is the tm_isdst that %Z and %z see.
CString FormatTimeFields(const SYSTEMTIME& time, int nIsDst, CString::PCXSTR pszFormat);

}  // namespace framework
