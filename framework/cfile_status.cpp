// CFile's status: times, size and attributes by handle or by name.
#include <string.h>

#include "cfile.h"
#include "file_time.h"
#include "path_text.h"
#include "win_api_t.h"

namespace {

// A zero file time is one the file system does not keep.
CTime TimeOf(const FILETIME& fileTime) {
  return fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0 ? CTime() : CTime(fileTime);
}

FILETIME FileTimeOf(const CTime& time) { return framework::FileTimeOfSeconds(time.GetTime()); }

void CopyFullName(CFileStatus& rStatus, const CString& strName) {
  int nLength = strName.GetLength() < MAX_PATH ? strName.GetLength() : MAX_PATH - 1;
  CString::CopyChars(rStatus.m_szFullName, strName.GetString(), nLength);
  rStatus.m_szFullName[nLength] = 0;
}

}  // namespace

BOOL CFile::GetStatus(CFileStatus& rStatus) const {
  memset(static_cast<void*>(&rStatus), 0, sizeof(rStatus));
  CopyFullName(rStatus, m_strFileName);
  if (m_hFile == hFileNull) return FALSE;
  FILETIME created, accessed, written;
  LARGE_INTEGER size;
  if (!GetFileTime(m_hFile, &created, &accessed, &written) || !GetFileSizeEx(m_hFile, &size)) return FALSE;
  rStatus.m_ctime = TimeOf(created);
  rStatus.m_atime = TimeOf(accessed);
  rStatus.m_mtime = TimeOf(written);
  rStatus.m_size = static_cast<ULONGLONG>(size.QuadPart);
  // A file opened by handle alone has no name to read the attributes by.
  DWORD dwAttributes = m_strFileName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : framework::GetFileAttributesT(m_strFileName);
  rStatus.m_attribute = dwAttributes == INVALID_FILE_ATTRIBUTES ? 0 : static_cast<BYTE>(dwAttributes);
  return TRUE;
}

BOOL CFile::GetStatus(CString::PCXSTR lpszFileName, CFileStatus& rStatus) {
  memset(static_cast<void*>(&rStatus), 0, sizeof(rStatus));
  if (lpszFileName == nullptr) return FALSE;
  CString strFullName = framework::FullPathOf(lpszFileName);
  if (strFullName.GetLength() >= MAX_PATH) return FALSE;
  CopyFullName(rStatus, strFullName);
  framework::FindDataT<CString::XCHAR> found;
  HANDLE hFind = framework::FindFirstFileT(lpszFileName, &found);
  if (hFind == INVALID_HANDLE_VALUE) {
    rStatus.m_szFullName[0] = 0;
    return FALSE;
  }
  FindClose(hFind);
  rStatus.m_attribute = static_cast<BYTE>(found.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
  rStatus.m_size = (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  rStatus.m_ctime = TimeOf(found.ftCreationTime);
  rStatus.m_atime = TimeOf(found.ftLastAccessTime);
  rStatus.m_mtime = TimeOf(found.ftLastWriteTime);
  return TRUE;
}

void CFile::SetStatus(CString::PCXSTR lpszFileName, const CFileStatus& status) {
  DWORD dwAttributes = framework::GetFileAttributesT(lpszFileName);
  if (dwAttributes == INVALID_FILE_ATTRIBUTES)
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
  auto setAttributes = [&] {
    if (!framework::SetFileAttributesT(lpszFileName, status.m_attribute))
      CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
  };
  // A read-only file takes new times only once the flag is off.
  // The status holds the bits that fit a byte, without FILE_ATTRIBUTE_NORMAL.
  bool bAttributesChange = status.m_attribute != (dwAttributes & 0xFF & ~FILE_ATTRIBUTE_NORMAL);
  bool bWasReadOnly = (dwAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (bAttributesChange && bWasReadOnly) setAttributes();

  const CTime zero;
  if (status.m_ctime != zero || status.m_atime != zero || status.m_mtime != zero) {
    HANDLE hFile = framework::CreateFileT(lpszFileName, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (hFile == INVALID_HANDLE_VALUE) CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
    FILETIME created = FileTimeOf(status.m_ctime), accessed = FileTimeOf(status.m_atime),
             written = FileTimeOf(status.m_mtime);
    BOOL bSet = SetFileTime(hFile, status.m_ctime != zero ? &created : nullptr,
                            status.m_atime != zero ? &accessed : nullptr, status.m_mtime != zero ? &written : nullptr);
    DWORD dwError = GetLastError();
    CloseHandle(hFile);
    if (!bSet) CFileException::ThrowOsError(static_cast<LONG>(dwError), lpszFileName);
  }
  if (bAttributesChange && !bWasReadOnly) setAttributes();
}
