#include "cinternetfile.h"

#include "cinternetconnection.h"
#include "cinternetexception.h"
#include "internet_handle_map.h"

IMPLEMENT_DYNAMIC(CInternetFile, CStdioFile)

CInternetFile::CInternetFile(HINTERNET hFile, LPCTSTR pstrFileName, CInternetConnection* pConnection,
                             DWORD_PTR dwContext)
    : m_pConnection(pConnection), m_dwContext(dwContext) {
  // The bytes come as the server sends them: no text translation.
  m_bText = FALSE;
  m_hFile = hFile;
  m_bCloseOnDelete = TRUE;
  m_strFileName = pstrFileName;
  framework::RegisterInternetHandle(hFile, pConnection->GetSession());
}

CInternetFile::~CInternetFile() { Abort(); }

UINT CInternetFile::ReadBlock(void* lpBuf, UINT nCount) {
  if (m_hFile == hFileNull) AfxThrowInternetException(m_dwContext, ERROR_INVALID_HANDLE);
  DWORD dwRead = 0;
  if (!InternetReadFile(m_hFile, lpBuf, nCount, &dwRead)) AfxThrowInternetException(m_dwContext);
  return dwRead;
}

HINTERNET CInternetFile::Release() {
  HINTERNET hFile = m_hFile;
  m_hFile = hFileNull;  // so that the base class has no handle to close
  CStdioFile::Abort();
  return hFile;
}

BOOL CInternetFile::CloseReleased(HINTERNET hFile) {
  if (hFile == hFileNull) return TRUE;
  // Its HANDLE_CLOSING still reaches the session.
  BOOL bClosed = InternetCloseHandle(hFile);
  framework::UnregisterInternetHandle(hFile);
  return bClosed;
}

void CInternetFile::Close() {
  if (!CloseReleased(Release())) AfxThrowInternetException(m_dwContext);
}

void CInternetFile::Abort() { CloseReleased(Release()); }
