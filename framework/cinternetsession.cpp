#include "cinternetsession.h"

#include "chttpconnection.h"
#include "cinternetexception.h"
#include "cwinapp.h"
#include "internet_handle_map.h"

IMPLEMENT_DYNAMIC(CInternetSession, CObject)

CInternetSession::CInternetSession(LPCTSTR pstrAgent, DWORD_PTR dwContext, DWORD dwAccessType, LPCTSTR pstrProxyName,
                                   LPCTSTR pstrProxyBypass, DWORD dwFlags)
    : m_dwContext(dwContext), m_hSession(nullptr), m_bCallbackEnabled(FALSE) {
  CString strAgent = pstrAgent != nullptr ? CString(pstrAgent) : CString(AfxGetAppName());
  m_hSession = InternetOpen(strAgent, dwAccessType, pstrProxyName, pstrProxyBypass, dwFlags);
  if (m_hSession == nullptr) AfxThrowInternetException(m_dwContext);
  framework::RegisterInternetHandle(m_hSession, this);
}

CInternetSession::~CInternetSession() { Close(); }

void CInternetSession::Close() {
  if (m_hSession == nullptr) return;
  if (m_bCallbackEnabled) InternetSetStatusCallback(m_hSession, nullptr);
  m_bCallbackEnabled = FALSE;
  InternetCloseHandle(m_hSession);
  framework::UnregisterInternetSession(this);
  m_hSession = nullptr;
}

BOOL CInternetSession::SetOption(DWORD dwOption, DWORD dwValue, DWORD) {
  return InternetSetOption(m_hSession, dwOption, &dwValue, sizeof(dwValue));
}

BOOL CInternetSession::QueryOption(DWORD dwOption, DWORD& dwValue) const {
  DWORD dwLength = sizeof(dwValue);
  return InternetQueryOption(m_hSession, dwOption, &dwValue, &dwLength);
}

BOOL CInternetSession::EnableStatusCallback(BOOL bEnable) {
  if (m_hSession == nullptr) return FALSE;
  if (bEnable == m_bCallbackEnabled) return TRUE;
  INTERNET_STATUS_CALLBACK pfnPrevious =
      InternetSetStatusCallback(m_hSession, bEnable ? &framework::InternetStatusCallback : nullptr);
  if (pfnPrevious == INTERNET_INVALID_STATUS_CALLBACK) AfxThrowInternetException(m_dwContext);
  m_bCallbackEnabled = bEnable;
  return TRUE;
}

void CInternetSession::OnStatusCallback(DWORD_PTR, DWORD, LPVOID, DWORD) {}

CHttpConnection* CInternetSession::GetHttpConnection(LPCTSTR pstrServer, INTERNET_PORT nPort, LPCTSTR pstrUserName,
                                                     LPCTSTR pstrPassword) {
  return new CHttpConnection(this, pstrServer, nPort, pstrUserName, pstrPassword, m_dwContext);
}
