// What CFile::GetStatus reports of a file: its times (zero when the file system keeps none), its
// size, its attributes (the FILE_ATTRIBUTE_ bits that fit a byte) and its full path.
#pragma once

#include <windows.h>

#include "cstringt.h"
#include "ctime.h"

struct CFileStatus {
  CTime m_ctime;  // creation
  CTime m_mtime;  // last write
  CTime m_atime;  // last access
  ULONGLONG m_size;
  BYTE m_attribute;
  BYTE _m_padding;
  CString::XCHAR m_szFullName[MAX_PATH];
};
