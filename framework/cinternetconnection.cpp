#include "cinternetconnection.h"

#include "cinternetexception.h"
#include "cinternetsession.h"
#include "internet_handle_map.h"

IMPLEMENT_DYNAMIC(CInternetConnection, CObject)

CInternetConnection::CInternetConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort,
                                         LPCTSTR pstrUserName, LPCTSTR pstrPassword, DWORD dwService,
                                         DWORD_PTR dwContext)
    : m_pSession(pSession), m_strServerName(pstrServer), m_nPort(nPort), m_dwContext(dwContext),
      m_hConnection(nullptr) {
  framework::InternetSessionCall call(pSession);
  m_hConnection =
      InternetConnect(*pSession, pstrServer, nPort, pstrUserName, pstrPassword, dwService, 0, dwContext);
  if (m_hConnection == nullptr) AfxThrowInternetException(dwContext);
  framework::RegisterInternetHandle(m_hConnection, pSession);
}

CInternetConnection::~CInternetConnection() { Close(); }

void CInternetConnection::Close() {
  if (m_hConnection == nullptr) return;
  InternetCloseHandle(m_hConnection);
  framework::UnregisterInternetHandle(m_hConnection);
  m_hConnection = nullptr;
}
