// Makes the running program's folder the current directory, so that every file of the wizard is
// found and written beside the programs.
#pragma once

#include "cstringt.h"

// True when the old directory was saved in strSavedDirectory and the program folder made current.
bool SetWorkingDirectory(CString& strSavedDirectory);
