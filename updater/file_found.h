// Whether a directory search finds the path (a file, a folder or a pattern's match).
#pragma once

#include "cfilefind.h"
#include "cstringt.h"

inline bool FileFound(const CString& strPath) {
  CFileFind finder;
  return finder.FindFile(strPath) != FALSE;
}
