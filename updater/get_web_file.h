// The transfer of one file over HTTP into the current directory, with the server's Last-Modified
// time as the file's times.
#pragma once

#include <windows.h>

#include "cstringt.h"

// The code GetWebFile returns when the file was received with status 200 and written.
const int WEB_FILE_RECEIVED = 9999;

// GETs strObjectPath from port 80 of pszHost (following one redirect of 301, 302 or 303) and
// writes the body to ".\" + strLocalName. WEB_FILE_RECEIVED; 401 or another HTTP status of the
// answer; 0 for a WinInet failure, a redirect without a location or with one that is no URL. A
// local file that cannot be created throws.
int GetWebFile(LPCSTR pszAgent, LPCSTR pszHost, CString strObjectPath, CString strLocalName);
