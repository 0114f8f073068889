// The current-version line of the dialog: which archive in the current directory the installed
// service program "tarvolt.exe" is a copy of.
#pragma once

#include "cstringt.h"

// "Current version date: " + the date of the archive with the program's size and last-write
// second (the last such file found wins); "Current version date: Unknown {YYYY-MM-DD}" with the
// program's local write date when none matches; "Current version date: Unknown" without the
// program or when it cannot be examined.
CString CurrentVersionLine();
