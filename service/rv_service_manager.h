// Tarvolt's way to the service control manager: install, update, stop and remove a service, and
// look at a service's state. It keeps the account the service is to run under and its password.
// It reports nothing itself; its callers do.
#pragma once

#include <windows.h>

#include "cstringt.h"

class RV_ServiceManager {
 public:
  // The account is ".\" and the user name (a local account), or empty for LocalSystem.
  RV_ServiceManager(const char* pszUserName, const char* pszPassword);

  SC_HANDLE OpenManager(DWORD dwAccess, SC_HANDLE& hManager);
  SC_HANDLE OpenServiceByName(SC_HANDLE hManager, const char* pszName, DWORD dwAccess, SC_HANDLE& hService);

  // Creates the service, or brings an existing one up to date.
  BOOL InstallService(const char* pszName);
  BOOL UpdateServiceConfig(SC_HANDLE hService, const char* pszDisplayName);
  // Sends the stop when the service runs or is paused, without waiting, then deletes it; the
  // service control manager removes it once it has stopped.
  BOOL UninstallService(const char* pszName);
  // Sends the stop when the service runs or is paused; does not wait for it.
  BOOL StopService(const char* pszName);
  bool GetServiceState(SC_HANDLE hService, SERVICE_STATUS* pStatus);
  BOOL SendControl(SC_HANDLE hService, DWORD dwControl, SERVICE_STATUS* pStatus);
  BOOL Start(SC_HANDLE hService, DWORD dwArgc, const char** ppszArgv);
  // Starts the service and waits while it reports start-pending and its check point moves on.
  bool StartServiceAndWait(const char* pszName);
  void ShowLastError();

 private:
  // Opens the manager and the named service with full access; false (nothing left open) when
  // either fails.
  bool OpenBoth(const char* pszName, SC_HANDLE& hManager, SC_HANDLE& hService);

  CString m_strAccount;
  CString m_strPassword;
};
