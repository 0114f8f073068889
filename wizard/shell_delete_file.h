// Deletes one file through the shell, for good (no recycle bin), without any dialog.
#pragma once

#include "cstringt.h"

// True when the shell deleted it; a missing file gives false.
bool ShellDeleteFile(const CString& strFileName);
