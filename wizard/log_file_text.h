// The dialer service's log as the error page shows it.
#pragma once

#include "cstringt.h"

// The file's lines, each ended by "\n" (CR LF reads as one line end), or "No Information found
// in log file." when that leaves at most one character. The file is read while the service may
// hold it open for writing. False, with strText unchanged, when it cannot be opened or read.
bool ReadLogFileText(const CString& strFileName, CString& strText);
