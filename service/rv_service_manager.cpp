#include "rv_service_manager.h"

#include <string.h>

namespace {

const DWORD kManagerAccess = SC_MANAGER_ALL_ACCESS;
const DWORD kServiceAccess = SERVICE_ALL_ACCESS;
const char kRpcDisplayName[] = "Remote Procedure Call (RPC)";

// The program's own full path, unquoted and without arguments.
bool GetProgramPath(char (&szPath)[1024]) {
  DWORD length = GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
  return length != 0 && length < sizeof(szPath);
}

bool RunningOrPaused(const SERVICE_STATUS& status) {
  return status.dwCurrentState == SERVICE_RUNNING || status.dwCurrentState == SERVICE_PAUSED;
}

}  // namespace

RV_ServiceManager::RV_ServiceManager(const char* pszUserName, const char* pszPassword) : m_strPassword(pszPassword) {
  if (*pszUserName != 0) {
    m_strAccount = ".\\";
    m_strAccount += pszUserName;
  }
}

SC_HANDLE RV_ServiceManager::OpenManager(DWORD dwAccess, SC_HANDLE& hManager) {
  hManager = OpenSCManagerA(nullptr, nullptr, dwAccess);
  return hManager;
}

SC_HANDLE RV_ServiceManager::OpenServiceByName(SC_HANDLE hManager, const char* pszName, DWORD dwAccess,
                                               SC_HANDLE& hService) {
  hService = OpenServiceA(hManager, pszName, dwAccess);
  return hService;
}

bool RV_ServiceManager::OpenBoth(const char* pszName, SC_HANDLE& hManager, SC_HANDLE& hService) {
  if (!OpenManager(kManagerAccess, hManager)) return false;
  if (!OpenServiceByName(hManager, pszName, kServiceAccess, hService)) {
    CloseServiceHandle(hManager);
    return false;
  }
  return true;
}

BOOL RV_ServiceManager::InstallService(const char* pszName) {
  char szPath[1024];
  if (!GetProgramPath(szPath)) return FALSE;
  SC_HANDLE hManager = nullptr;
  if (!OpenManager(kManagerAccess, hManager)) return FALSE;
  SC_HANDLE hService = nullptr;
  if (OpenServiceByName(hManager, pszName, kServiceAccess, hService)) {
    BOOL updated = UpdateServiceConfig(hService, pszName);
    CloseServiceHandle(hService);
    CloseServiceHandle(hManager);
    return updated;
  }
  const char* pszAccount = m_strAccount.IsEmpty() ? nullptr : m_strAccount.GetString();
  const char* pszPassword = m_strPassword.IsEmpty() ? nullptr : m_strPassword.GetString();
  // One spare zero behind the name makes it a one-entry dependency list; a failed lookup
  // leaves the list empty and the service without a dependency.
  char szDependency[261];
  memset(szDependency, 0, sizeof(szDependency));
  DWORD cchDependency = 260;
  GetServiceKeyNameA(hManager, kRpcDisplayName, szDependency, &cchDependency);
  hService = CreateServiceA(hManager, pszName, pszName, kServiceAccess, SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START,
                            SERVICE_ERROR_NORMAL, szPath, nullptr, nullptr, szDependency, pszAccount, pszPassword);
  BOOL created = hService != nullptr;
  if (hService) CloseServiceHandle(hService);
  CloseServiceHandle(hManager);
  return created;
}

BOOL RV_ServiceManager::UpdateServiceConfig(SC_HANDLE hService, const char* pszDisplayName) {
  char szPath[1024];
  if (!GetProgramPath(szPath)) return FALSE;
  return ChangeServiceConfigA(hService, SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL, szPath,
                              nullptr, nullptr, nullptr, m_strAccount.GetString(), m_strPassword.GetString(),
                              pszDisplayName);
}

BOOL RV_ServiceManager::UninstallService(const char* pszName) {
  SC_HANDLE hManager = nullptr;
  SC_HANDLE hService = nullptr;
  if (!OpenBoth(pszName, hManager, hService)) return FALSE;
  SERVICE_STATUS status = {};
  if (GetServiceState(hService, &status) && RunningOrPaused(status))
    SendControl(hService, SERVICE_CONTROL_STOP, &status);
  BOOL deleted = DeleteService(hService);
  CloseServiceHandle(hService);
  CloseServiceHandle(hManager);
  return deleted;
}

BOOL RV_ServiceManager::StopService(const char* pszName) {
  SC_HANDLE hManager = nullptr;
  SC_HANDLE hService = nullptr;
  if (!OpenBoth(pszName, hManager, hService)) return FALSE;
  SERVICE_STATUS status = {};
  BOOL stopped = FALSE;
  if (GetServiceState(hService, &status) && RunningOrPaused(status))
    stopped = SendControl(hService, SERVICE_CONTROL_STOP, &status);
  CloseServiceHandle(hService);
  CloseServiceHandle(hManager);
  return stopped;
}

bool RV_ServiceManager::GetServiceState(SC_HANDLE hService, SERVICE_STATUS* pStatus) {
  return QueryServiceStatus(hService, pStatus) == TRUE;
}

BOOL RV_ServiceManager::SendControl(SC_HANDLE hService, DWORD dwControl, SERVICE_STATUS* pStatus) {
  return ControlService(hService, dwControl, pStatus);
}

BOOL RV_ServiceManager::Start(SC_HANDLE hService, DWORD dwArgc, const char** ppszArgv) {
  return StartServiceA(hService, dwArgc, ppszArgv);
}

bool RV_ServiceManager::StartServiceAndWait(const char* pszName) {
  SC_HANDLE hManager = nullptr;
  SC_HANDLE hService = nullptr;
  if (!OpenBoth(pszName, hManager, hService)) return false;
  SERVICE_STATUS status = {};
  bool running = false;
  if (Start(hService, 0, nullptr) && GetServiceState(hService, &status)) {
    DWORD dwStartTick = GetTickCount();
    DWORD dwCheckPoint = status.dwCheckPoint;
    while (status.dwCurrentState == SERVICE_START_PENDING) {
      DWORD dwWait = status.dwWaitHint / 10;
      Sleep(dwWait < 1000 ? 1000 : dwWait > 10000 ? 10000 : dwWait);
      if (!GetServiceState(hService, &status)) break;
      if (status.dwCheckPoint > dwCheckPoint) {
        dwStartTick = GetTickCount();
        dwCheckPoint = status.dwCheckPoint;
      } else if (GetTickCount() - dwStartTick > status.dwWaitHint) {
        break;
      }
    }
    running = status.dwCurrentState == SERVICE_RUNNING;
  }
  CloseServiceHandle(hService);
  CloseServiceHandle(hManager);
  return running;
}

void RV_ServiceManager::ShowLastError() {
  char* pszText = nullptr;
  DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                nullptr, GetLastError(), 0x400, reinterpret_cast<char*>(&pszText), 0, nullptr);
  if (length == 0 || pszText == nullptr) return;
  MessageBoxA(nullptr, pszText, "Error", MB_ICONINFORMATION);
  LocalFree(pszText);
}
