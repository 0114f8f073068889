// How Zolvane recognises an archived service program among the "*.exe" files of a folder, and
// what the current-version line shows for a file that matches the installed program.
#pragma once

#include "cstringt.h"

// The date number of a file title (a name without its extension): 0 when the title is no
// archive's. "tarvolt20261208" gives 20261208; "Tarvolt" itself, and any title whose text after
// the "TARVOLT"s does not start with a number above 0, give 0.
int ArchiveDateNumber(const CString& strFileTitle);
// The file's name upper-cased without any "TARVOLT" or ".EXE": a downloaded archive's date.
CString VersionTextOfFileName(const CString& strFileName);
