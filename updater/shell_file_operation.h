// One file operation of the shell with its simple progress window: no confirmation, no file
// names shown.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "cstringt.h"

// operation is an SHFileOperationA function code (FO_COPY, FO_DELETE, FO_RENAME, ...). True when
// the shell ran it and it succeeded; false when strFrom is not found, when a path is longer
// than 148 characters, or when the shell failed or was aborted.
bool ShellFileOperation(UINT operation, CString progressTitle, CString strFrom, CString strTo);
