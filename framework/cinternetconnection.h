// A connection to a server (InternetConnect) made through a session; closed when the object is
// deleted. The classes of each service derive from it.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "cobject.h"
#include "cstringt.h"

class CInternetSession;

class CInternetConnection : public CObject {
  DECLARE_DYNAMIC(CInternetConnection)

 public:
  ~CInternetConnection() override;

  virtual void Close();

  CInternetSession* GetSession() const { return m_pSession; }
  CString GetServerName() const { return m_strServerName; }
  DWORD_PTR GetContext() const { return m_dwContext; }
  operator HINTERNET() const { return m_hConnection; }

 protected:
  // Connects to the server's service (INTERNET_SERVICE_HTTP, ...); throws CInternetException*.
  CInternetConnection(CInternetSession* pSession, LPCTSTR pstrServer, INTERNET_PORT nPort, LPCTSTR pstrUserName,
                      LPCTSTR pstrPassword, DWORD dwService, DWORD_PTR dwContext);

  CInternetSession* m_pSession;
  CString m_strServerName;
  INTERNET_PORT m_nPort;
  DWORD_PTR m_dwContext;
  HINTERNET m_hConnection;

 private:
  CInternetConnection(const CInternetConnection&) = delete;
  CInternetConnection& operator=(const CInternetConnection&) = delete;
};
