// A WinInet session (InternetOpen): the root of the connections made through it. Failures of
// the WinInet calls it makes throw CInternetException*. Its status callback, once enabled,
// hands every notification on this session's handles (and on the connections and files made
// from it) to the virtual OnStatusCallback. The program deletes its connections and files
// before it closes the session, as WinInet asks of the handles below a closed one.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "cobject.h"
#include "cstringt.h"

class CHttpConnection;

class CInternetSession : public CObject {
  DECLARE_DYNAMIC(CInternetSession)

 public:
  // The agent defaults to the application's name.
  CInternetSession(LPCTSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                   DWORD dwAccessType = PRE_CONFIG_INTERNET_ACCESS, LPCTSTR pstrProxyName = nullptr,
                   LPCTSTR pstrProxyBypass = nullptr, DWORD dwFlags = 0);
  ~CInternetSession() override;

  virtual void Close();

  // A DWORD option of the session's handle (INTERNET_OPTION_CONNECT_TIMEOUT, ...); dwFlags is
  // reserved and must be 0.
  BOOL SetOption(DWORD dwOption, DWORD dwValue, DWORD dwFlags = 0);
  BOOL QueryOption(DWORD dwOption, DWORD& dwValue) const;
  BOOL EnableStatusCallback(BOOL bEnable = TRUE);
  // Does nothing: a derived session watches the progress here.
  virtual void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                                DWORD dwStatusInformationLength);

  // A connection to the server's HTTP service (port INTERNET_INVALID_PORT_NUMBER: the default
  // one), to be deleted by the caller.
  CHttpConnection* GetHttpConnection(LPCTSTR pstrServer, INTERNET_PORT nPort = INTERNET_INVALID_PORT_NUMBER,
                                     LPCTSTR pstrUserName = nullptr, LPCTSTR pstrPassword = nullptr);

  DWORD_PTR GetContext() const { return m_dwContext; }
  operator HINTERNET() const { return m_hSession; }

 protected:
  DWORD_PTR m_dwContext;
  HINTERNET m_hSession;
  BOOL m_bCallbackEnabled;

 private:
  CInternetSession(const CInternetSession&) = delete;
  CInternetSession& operator=(const CInternetSession&) = delete;
};
