#include "cfile.h"

#include "path_text.h"
#include "win_api_t.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

DWORD AccessOf(UINT nOpenFlags) {
  switch (nOpenFlags & 3) {
    case CFile::modeWrite:
      return GENERIC_WRITE;
    case CFile::modeReadWrite:
      return GENERIC_READ | GENERIC_WRITE;
    default:
      return GENERIC_READ;
  }
}

DWORD ShareOf(UINT nOpenFlags) {
  switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite:
      return FILE_SHARE_READ;
    case CFile::shareDenyRead:
      return FILE_SHARE_WRITE;
    case CFile::shareDenyNone:
      return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default:  // shareExclusive, and shareCompat, which means the same
      return 0;
  }
}

DWORD DispositionOf(UINT nOpenFlags) {
  if ((nOpenFlags & CFile::modeCreate) == 0) return OPEN_EXISTING;
  return (nOpenFlags & CFile::modeNoTruncate) != 0 ? OPEN_ALWAYS : CREATE_ALWAYS;
}

DWORD AttributesOf(UINT nOpenFlags) {
  DWORD flags = FILE_ATTRIBUTE_NORMAL;
  if (nOpenFlags & CFile::osNoBuffer) flags |= FILE_FLAG_NO_BUFFERING;
  if (nOpenFlags & CFile::osWriteThrough) flags |= FILE_FLAG_WRITE_THROUGH;
  if (nOpenFlags & CFile::osRandomAccess) flags |= FILE_FLAG_RANDOM_ACCESS;
  if (nOpenFlags & CFile::osSequentialScan) flags |= FILE_FLAG_SEQUENTIAL_SCAN;
  return flags;
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(CString::PCXSTR lpszFileName, UINT nOpenFlags) : CFile() {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error))
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

BOOL CFile::Open(CString::PCXSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName = framework::FullPathOf(lpszFileName);

  SECURITY_ATTRIBUTES security = {sizeof(SECURITY_ATTRIBUTES), nullptr, (nOpenFlags & modeNoInherit) == 0};
  HANDLE hFile = framework::CreateFileT(lpszFileName, AccessOf(nOpenFlags), ShareOf(nOpenFlags), &security,
                                        DispositionOf(nOpenFlags), AttributesOf(nOpenFlags));
  if (hFile == INVALID_HANDLE_VALUE) {
    if (pError != nullptr) {
      pError->m_lOsError = static_cast<LONG>(GetLastError());
      pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
      pError->m_strFileName = lpszFileName;
    }
    m_strFileName.Empty();
    return FALSE;
  }
  m_hFile = hFile;
  m_bCloseOnDelete = TRUE;
  return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0) return 0;
  DWORD dwRead = 0;
  if (!ReadFile(m_hFile, lpBuf, nCount, &dwRead, nullptr)) ThrowLastError();
  return dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  DWORD dwWritten = 0;
  if (!WriteFile(m_hFile, lpBuf, nCount, &dwWritten, nullptr)) ThrowLastError();
  if (dwWritten != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::Flush() {
  if (m_hFile == hFileNull) return;
  if (!FlushFileBuffers(m_hFile)) ThrowLastError();
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  LARGE_INTEGER distance;
  distance.QuadPart = lOff;
  LARGE_INTEGER position;
  if (!SetFilePointerEx(m_hFile, distance, &position, nFrom)) ThrowLastError();
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  LARGE_INTEGER distance;
  distance.QuadPart = 0;
  LARGE_INTEGER position;
  if (!SetFilePointerEx(m_hFile, distance, &position, FILE_CURRENT)) ThrowLastError();
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError();
  return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  Seek(static_cast<LONGLONG>(dwNewLen), begin);
  if (!SetEndOfFile(m_hFile)) ThrowLastError();
}

void CFile::Close() {
  BOOL bError = FALSE;
  DWORD dwError = 0;
  if (m_hFile != hFileNull && !CloseHandle(m_hFile)) {
    bError = TRUE;
    dwError = GetLastError();
  }
  CString strFileName = m_strFileName;
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
  if (bError) CFileException::ThrowOsError(static_cast<LONG>(dwError), strFileName);
}

void CFile::Abort() {
  if (m_hFile != hFileNull) CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
}

CString CFile::GetFileName() const { return framework::FileNameOf(m_strFileName); }

CString CFile::GetFileTitle() const { return framework::FileTitleOf(m_strFileName); }

void CFile::Rename(CString::PCXSTR lpszOldName, CString::PCXSTR lpszNewName) {
  if (!framework::MoveFileT(lpszOldName, lpszNewName))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszOldName);
}

void CFile::Remove(CString::PCXSTR lpszFileName) {
  if (!framework::DeleteFileT(lpszFileName))
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
}

void CFile::ThrowLastError() const {
  LONG error = static_cast<LONG>(GetLastError());
  // A failure without an error code is still a failure.
  AfxThrowFileException(CFileException::OsErrorToException(error == 0 ? -1 : error), error, m_strFileName);
}
