// The framework's WinInet classes: a session, its HTTP connections and their requests, the
// exception their failures throw, and the URL splitter.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "chttpconnection.h"
#include "chttpfile.h"
#include "cinternetconnection.h"
#include "cinternetexception.h"
#include "cinternetfile.h"
#include "cinternetsession.h"
#include "cstringt.h"

// The services AfxParseURL reports.
#define AFX_INET_SERVICE_FTP INTERNET_SERVICE_FTP
#define AFX_INET_SERVICE_HTTP INTERNET_SERVICE_HTTP
#define AFX_INET_SERVICE_GOPHER INTERNET_SERVICE_GOPHER
#define AFX_INET_SERVICE_UNK 0x1000
#define AFX_INET_SERVICE_FILE (AFX_INET_SERVICE_UNK + 1)
#define AFX_INET_SERVICE_MAILTO (AFX_INET_SERVICE_UNK + 2)
#define AFX_INET_SERVICE_NEWS (AFX_INET_SERVICE_UNK + 5)
#define AFX_INET_SERVICE_HTTPS (AFX_INET_SERVICE_UNK + 11)

// Splits "service://server:port/object": the server, the object (the path with its query; may
// be empty), the port (the service's default when the URL names none) and the service. FALSE,
// with AFX_INET_SERVICE_UNK, for an empty text, a text that is no URL, or a service not listed
// above.
BOOL AfxParseURL(LPCTSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject, INTERNET_PORT& nPort);
