// Whether a file (or folder, or anything a wildcard pattern matches) is there, relative to the
// current directory.
#pragma once

#include "cstringt.h"

bool FileExists(const CString& strFileName);
