#include "chttpfile.h"

#include "chttpconnection.h"
#include "cinternetexception.h"

IMPLEMENT_DYNAMIC(CHttpFile, CInternetFile)

CHttpFile::CHttpFile(HINTERNET hFile, LPCTSTR pstrVerb, LPCTSTR pstrObject, CHttpConnection* pConnection,
                     DWORD_PTR dwContext)
    : CInternetFile(hFile, pstrObject, pConnection, dwContext), m_strVerb(pstrVerb), m_strObject(pstrObject) {}

BOOL CHttpFile::AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags, int dwHeadersLen) {
  return HttpAddRequestHeaders(m_hFile, pstrHeaders, static_cast<DWORD>(dwHeadersLen), dwFlags);
}

BOOL CHttpFile::AddRequestHeaders(const CString& str, DWORD dwFlags) {
  return AddRequestHeaders(str.GetString(), dwFlags, str.GetLength());
}

BOOL CHttpFile::SendRequest(LPCTSTR pstrHeaders, DWORD dwHeadersLen, LPVOID lpOptional, DWORD dwOptionalLen) {
  if (!HttpSendRequest(m_hFile, pstrHeaders, dwHeadersLen, lpOptional, dwOptionalLen))
    AfxThrowInternetException(m_dwContext);
  return TRUE;
}

BOOL CHttpFile::SendRequest(const CString& strHeaders, LPVOID lpOptional, DWORD dwOptionalLen) {
  return SendRequest(strHeaders.GetString(), static_cast<DWORD>(strHeaders.GetLength()), lpOptional, dwOptionalLen);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength, LPDWORD lpdwIndex) const {
  return HttpQueryInfo(m_hFile, dwInfoLevel, lpvBuffer, lpdwBufferLength, lpdwIndex);
}

BOOL CHttpFile::QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex) const {
  str.Empty();
  // The lengths are in bytes; the first call asks for the size.
  DWORD dwIndex = lpdwIndex != nullptr ? *lpdwIndex : 0;
  DWORD dwBytes = 0;
  if (QueryInfo(dwInfoLevel, nullptr, &dwBytes, &dwIndex)) return TRUE;
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return FALSE;
  int nChars = static_cast<int>(dwBytes / sizeof(CString::XCHAR));
  if (!QueryInfo(dwInfoLevel, str.GetBuffer(nChars + 1), &dwBytes, lpdwIndex)) {
    str.ReleaseBuffer(0);
    return FALSE;
  }
  str.ReleaseBuffer(static_cast<int>(dwBytes / sizeof(CString::XCHAR)));
  return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& dwStatusCode) const {
  DWORD dwLength = sizeof(dwStatusCode);
  return QueryInfo(HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatusCode, &dwLength);
}
