#include "chttpconnection.h"

#include "chttpfile.h"
#include "cinternetexception.h"
#include "internet_handle_map.h"

IMPLEMENT_DYNAMIC(CHttpConnection, CInternetConnection)

CHttpConnection::CHttpConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort,
                                 LPCTSTR pstrUserName, LPCTSTR pstrPassword, DWORD_PTR dwContext)
    : CInternetConnection(pSession, pstrServer, nPort, pstrUserName, pstrPassword, INTERNET_SERVICE_HTTP, dwContext) {}

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR pstrVerb, LPCTSTR pstrObjectName, LPCTSTR pstrReferer,
                                        DWORD_PTR dwContext, LPCTSTR* ppstrAcceptTypes, LPCTSTR pstrVersion,
                                        DWORD dwFlags) {
  framework::InternetSessionCall call(m_pSession);
  HINTERNET hFile = HttpOpenRequest(m_hConnection, pstrVerb, pstrObjectName, pstrVersion, pstrReferer,
                                    ppstrAcceptTypes, dwFlags, dwContext);
  if (hFile == nullptr) AfxThrowInternetException(dwContext);
  return new CHttpFile(hFile, pstrVerb, pstrObjectName, this, dwContext);
}
