// An HTTP request and its answer: headers are added, the request is sent, then the answer's
// status and headers are queried and its body read as a file.
#pragma once

#include "cinternetfile.h"

class CHttpConnection;

class CHttpFile : public CInternetFile {
  DECLARE_DYNAMIC(CHttpFile)

 public:
  // Takes over hFile, a request made with HttpOpenRequest over the connection.
  CHttpFile(HINTERNET hFile, LPCTSTR pstrVerb, LPCTSTR pstrObject, CHttpConnection* pConnection,
            DWORD_PTR dwContext = 1);

  // Header lines ending in CR LF (dwHeadersLen -1: a terminated text). FALSE when WinInet
  // refuses them; nothing is thrown.
  BOOL AddRequestHeaders(LPCTSTR pstrHeaders, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int dwHeadersLen = -1);
  BOOL AddRequestHeaders(const CString& str, DWORD dwFlags = HTTP_ADDREQ_FLAG_ADD_IF_NEW);
  // Sends the request with further headers and a body; throws CInternetException* when it
  // fails. Redirects are followed unless the request was opened with
  // INTERNET_FLAG_NO_AUTO_REDIRECT.
  BOOL SendRequest(LPCTSTR pstrHeaders = nullptr, DWORD dwHeadersLen = 0, LPVOID lpOptional = nullptr,
                   DWORD dwOptionalLen = 0);
  BOOL SendRequest(const CString& strHeaders, LPVOID lpOptional = nullptr, DWORD dwOptionalLen = 0);

  // HttpQueryInfo into a buffer, or as text of any length; FALSE when the answer lacks it.
  BOOL QueryInfo(DWORD dwInfoLevel, LPVOID lpvBuffer, LPDWORD lpdwBufferLength, LPDWORD lpdwIndex = nullptr) const;
  BOOL QueryInfo(DWORD dwInfoLevel, CString& str, LPDWORD lpdwIndex = nullptr) const;
  BOOL QueryInfoStatusCode(DWORD& dwStatusCode) const;

  CString GetVerb() const { return m_strVerb; }
  CString GetObject() const { return m_strObject; }

 protected:
  CString m_strVerb;
  CString m_strObject;
};
