#include "file_exists.h"

#include "cfilefind.h"

bool FileExists(const CString& strFileName) {
  CFileFind finder;
  return finder.FindFile(strFileName) != FALSE;
}
