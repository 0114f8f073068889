#include "get_web_file.h"

#include <memory>

#include "afxinet.h"
#include "cfile.h"
#include "coledatetime.h"
#include "ctime.h"
#include "last_modified.h"
#include "my_internet_session.h"

namespace {

const char kAcceptHeader[] =
    "Accept: */*, audio/x-aiff, audio/basic, audio/midi, audio/mpeg, audio/wav, image/jpeg, image/gif, "
    "image/jpg, image/png, image/mng, image/bmp, text/plain, text/html, text/htm, executable/exe\r\n";
const DWORD kRequestFlags = INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_CACHE_WRITE;
const UINT kBlockSize = 1999;

CHttpFile* OpenGetRequest(CHttpConnection& connection, const CString& strObjectPath) {
  return connection.OpenRequest("GET", strObjectPath, nullptr, 1, nullptr, nullptr, kRequestFlags);
}

// The location a redirect names, up to the end of its header line; false without one.
bool RedirectLocation(CHttpFile& request, CString& strLocation) {
  CString strHeaders;
  request.QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, strHeaders);
  const char kLocation[] = "Location: ";
  int nStart = strHeaders.Find(kLocation);
  if (nStart < 0) return false;
  strLocation = strHeaders.Mid(nStart + static_cast<int>(sizeof kLocation) - 1);
  int nEnd = strLocation.Find("\r\n");
  if (nEnd >= 0) strLocation = strLocation.Left(nEnd);
  return true;
}

// The runtime's time-zone offset, seconds west of UTC for standard time, as _get_timezone gives
// it; read from the system's time zone, since the Windows toolchain's msvcrt lacks that function.
LONG SecondsWestOfUtc() {
  TIME_ZONE_INFORMATION zone = {};
  GetTimeZoneInformation(&zone);
  return (zone.Bias + zone.StandardBias) * 60;
}

// Sets the file's three times to the server's Last-Modified moment, taken as local standard
// time; the file keeps the times of its writing when the text is no date.
void SetTimesFromLastModified(const CString& strPath, const CString& strLastModified) {
  CFileStatus status;
  if (!CFile::GetStatus(strPath, status)) return;
  COleDateTime modified;
  modified.ParseDateTime(LastModifiedDateText(strLastModified), 0, LANG_USER_DEFAULT);
  modified -= static_cast<double>(SecondsWestOfUtc()) / 86400;
  if (modified.GetStatus() != COleDateTime::valid) return;
  try {
    CTime tModified(modified.GetYear(), modified.GetMonth(), modified.GetDay(), modified.GetHour(),
                    modified.GetMinute(), modified.GetSecond(), -1);
    status.m_ctime = status.m_mtime = status.m_atime = tModified;
    CFile::SetStatus(strPath, status);
  } catch (CException* e) {
    e->Delete();  // a moment the file system cannot take: the times of the writing stay
  }
}

// Writes the body to the file in blocks as they arrive, then gives it the Last-Modified time.
void ReceiveFile(CHttpFile& request, const CString& strPath) {
  CFile localFile(strPath, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
  CString strHeaders;
  request.QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, strHeaders);
  CString strLastModified = CutLastModifiedText(strHeaders);
  char buffer[kBlockSize + 1];
  UINT nRead;
  while ((nRead = request.Read(buffer, kBlockSize)) > 0) localFile.Write(buffer, nRead);
  localFile.Close();
  SetTimesFromLastModified(strPath, strLastModified);
}

}  // namespace

int GetWebFile(LPCSTR pszAgent, LPCSTR pszHost, CString strObjectPath, CString strLocalName) {
  CMyInternetSession session(pszAgent, 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0);
  session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 30000);
  session.SetOption(INTERNET_OPTION_CONNECT_BACKOFF, 1000);
  session.SetOption(INTERNET_OPTION_CONNECT_RETRIES, 1);
  session.EnableStatusCallback(TRUE);

  int nResult = 0;
  try {
    std::unique_ptr<CHttpConnection> pConnection(
        session.GetHttpConnection(pszHost, INTERNET_DEFAULT_HTTP_PORT, nullptr, nullptr));
    std::unique_ptr<CHttpFile> pRequest(OpenGetRequest(*pConnection, strObjectPath));
    pRequest->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    pRequest->AddRequestHeaders("User-Agent: GetWebFile/1.0\r\n", HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    pRequest->AddRequestHeaders("Content-type", HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    pRequest->SendRequest();
    DWORD dwStatus = 0;
    pRequest->QueryInfoStatusCode(dwStatus);

    bool bRedirect = dwStatus == HTTP_STATUS_MOVED || dwStatus == HTTP_STATUS_REDIRECT ||
                     dwStatus == HTTP_STATUS_REDIRECT_METHOD;
    if (bRedirect) {
      CString strLocation;
      if (!RedirectLocation(*pRequest, strLocation)) return 0;
      pRequest.reset();
      pConnection.reset();
      DWORD dwServiceType = 0;
      CString strServer, strObject;
      INTERNET_PORT nPort = 0;
      if (!AfxParseURL(strLocation, dwServiceType, strServer, strObject, nPort)) return 0;
      pConnection.reset(session.GetHttpConnection(strServer, nPort, nullptr, nullptr));
      pRequest.reset(OpenGetRequest(*pConnection, strObject));
      pRequest->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
      pRequest->SendRequest();
      pRequest->QueryInfoStatusCode(dwStatus);
      if (dwStatus != HTTP_STATUS_OK) return static_cast<int>(dwStatus);
    }

    if (dwStatus == HTTP_STATUS_OK) {
      ReceiveFile(*pRequest, ".\\" + strLocalName);
      nResult = WEB_FILE_RECEIVED;
    } else {
      nResult = static_cast<int>(dwStatus);
    }
  } catch (CInternetException* e) {
    e->Delete();
    nResult = 0;
  }
  session.Close();
  return nResult;
}
