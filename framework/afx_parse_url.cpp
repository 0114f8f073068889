#include <string.h>

#include <vector>

#include "afxinet.h"

namespace {

DWORD ServiceOfScheme(INTERNET_SCHEME nScheme) {
  switch (nScheme) {
    case INTERNET_SCHEME_FTP:
      return AFX_INET_SERVICE_FTP;
    case INTERNET_SCHEME_GOPHER:
      return AFX_INET_SERVICE_GOPHER;
    case INTERNET_SCHEME_HTTP:
      return AFX_INET_SERVICE_HTTP;
    case INTERNET_SCHEME_HTTPS:
      return AFX_INET_SERVICE_HTTPS;
    case INTERNET_SCHEME_FILE:
      return AFX_INET_SERVICE_FILE;
    case INTERNET_SCHEME_NEWS:
      return AFX_INET_SERVICE_NEWS;
    case INTERNET_SCHEME_MAILTO:
      return AFX_INET_SERVICE_MAILTO;
    default:
      return AFX_INET_SERVICE_UNK;
  }
}

}  // namespace

BOOL AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject, INTERNET_PORT& nPort) {
  dwServiceType = AFX_INET_SERVICE_UNK;
  strServer.Empty();
  strObject.Empty();
  nPort = INTERNET_INVALID_PORT_NUMBER;
  CString strURL(pstrURL);
  if (strURL.IsEmpty()) return FALSE;

  // Buffers of the URL's own length hold any of its parts.
  std::vector<CString::XCHAR> server(static_cast<size_t>(strURL.GetLength()) + 1);
  std::vector<CString::XCHAR> path(server.size());
  std::vector<CString::XCHAR> extra(server.size());
  URL_COMPONENTS parts;
  memset(&parts, 0, sizeof(parts));
  parts.dwStructSize = sizeof(parts);
  parts.lpszHostName = server.data();
  parts.dwHostNameLength = static_cast<DWORD>(server.size());
  parts.lpszUrlPath = path.data();
  parts.dwUrlPathLength = static_cast<DWORD>(path.size());
  parts.lpszExtraInfo = extra.data();
  parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
  if (!InternetCrackUrl(strURL, static_cast<DWORD>(strURL.GetLength()), 0, &parts)) return FALSE;

  dwServiceType = ServiceOfScheme(parts.nScheme);
  strServer = CString(server.data(), static_cast<int>(parts.dwHostNameLength));
  strObject = CString(path.data(), static_cast<int>(parts.dwUrlPathLength)) +
              CString(extra.data(), static_cast<int>(parts.dwExtraInfoLength));
  nPort = parts.nPort;
  return dwServiceType != AFX_INET_SERVICE_UNK;
}
