#include "cfilefind.h"

#include "path_text.h"

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind() : m_hContext(nullptr), m_foundInfo(), m_nextInfo(), m_bFound(FALSE), m_bNext(FALSE) {}

CFileFind::~CFileFind() { Close(); }

BOOL CFileFind::FindFile(CString::PCXSTR pstrName, DWORD) {
  Close();
  CString name = pstrName != nullptr ? CString(pstrName) : CString("*.*");
  HANDLE hFind = framework::FindFirstFileT(name.GetString(), &m_nextInfo);
  if (hFind == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    Close();
    SetLastError(error);
    return FALSE;
  }
  m_hContext = hFind;
  m_bNext = TRUE;
  m_strRoot = framework::FolderOf(framework::FullPathOf(name.GetString()));
  return TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (m_hContext == nullptr || !m_bNext) return FALSE;
  m_foundInfo = m_nextInfo;
  m_bFound = TRUE;
  m_bNext = framework::FindNextFileT(m_hContext, &m_nextInfo);
  return m_bNext;
}

void CFileFind::Close() {
  if (m_hContext != nullptr) {
    FindClose(m_hContext);
    m_hContext = nullptr;
  }
  m_bFound = FALSE;
  m_bNext = FALSE;
  m_strRoot.Empty();
}

ULONGLONG CFileFind::GetLength() const {
  if (!m_bFound) return 0;
  return (static_cast<ULONGLONG>(m_foundInfo.nFileSizeHigh) << 32) | m_foundInfo.nFileSizeLow;
}

CString CFileFind::GetFileName() const { return m_bFound ? CString(m_foundInfo.cFileName) : CString(); }

CString CFileFind::GetFilePath() const { return framework::JoinPath(m_strRoot, GetFileName()); }

CString CFileFind::GetFileTitle() const { return framework::FileTitleOf(GetFileName()); }

BOOL CFileFind::TimeOf(const FILETIME& source, FILETIME* pTimeStamp) const {
  if (!m_bFound || pTimeStamp == nullptr) return FALSE;
  *pTimeStamp = source;
  return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* pTimeStamp) const { return TimeOf(m_foundInfo.ftCreationTime, pTimeStamp); }

BOOL CFileFind::GetLastAccessTime(FILETIME* pTimeStamp) const {
  return TimeOf(m_foundInfo.ftLastAccessTime, pTimeStamp);
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const {
  return TimeOf(m_foundInfo.ftLastWriteTime, pTimeStamp);
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const { return m_bFound && (m_foundInfo.dwFileAttributes & dwMask) != 0; }

BOOL CFileFind::IsDots() const {
  if (!IsDirectory()) return FALSE;
  const CString::XCHAR* name = m_foundInfo.cFileName;
  return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}
