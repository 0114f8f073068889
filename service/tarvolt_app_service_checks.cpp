// What the service looks at on the machine: Routing and Remote Access beside it, which Windows it
// runs on, and how long a connection may live.
#include "max_connection_life.h"
#include "rv_service_manager.h"
#include "tarvolt_app.h"

namespace {

typedef void(WINAPI* NativeSystemInfoProc)(LPSYSTEM_INFO);

void ReadSystemInfo(SYSTEM_INFO* pInfo) {
  HMODULE hKernel = GetModuleHandleA("kernel32.dll");
  FARPROC pProc = hKernel != nullptr ? GetProcAddress(hKernel, "GetNativeSystemInfo") : nullptr;
  if (pProc != nullptr)
    reinterpret_cast<NativeSystemInfoProc>(reinterpret_cast<void (*)()>(pProc))(pInfo);
  else
    GetSystemInfo(pInfo);
}

}  // namespace

bool RV_TarvoltApp::CheckRemoteAccessService() {
  RV_ServiceManager* pManager = GetServiceManager();
  SC_HANDLE hManager = nullptr;
  SC_HANDLE hService = nullptr;
  SERVICE_STATUS status = {};
  bool bQueried = false;
  if (pManager->OpenManager(SC_MANAGER_ALL_ACCESS, hManager)) {
    if (pManager->OpenServiceByName(hManager, "RemoteAccess", SERVICE_QUERY_STATUS, hService)) {
      bQueried = pManager->GetServiceState(hService, &status);
      CloseServiceHandle(hService);
    }
    CloseServiceHandle(hManager);
  }
  if (!bQueried) return false;
  if (status.dwCurrentState == SERVICE_RUNNING) {
    WriteLog(1,
             "RRAS used in conjuction with VPN client \t\t\t\t\t\t\t\t may not be as reliable as if you disable "
             "RRAS.");
    return true;
  }
  WriteLog(1, "RRAS is not running.");
  return false;
}

int RV_TarvoltApp::GetWindowsVersionInfo() {
  OSVERSIONINFOEXA version = {};
  version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
  if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version))) {
    version.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version))) return 0;
  }
  SYSTEM_INFO system = {};
  ReadSystemInfo(&system);
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) return 0;
  bool bWorkstation = version.wProductType == VER_NT_WORKSTATION;
  if (version.dwMajorVersion == 6 && version.dwMinorVersion == 0) return bWorkstation ? 7 : 6;
  if (version.dwMajorVersion == 5 && version.dwMinorVersion == 2) {
    if (GetSystemMetrics(SM_SERVERR2) != 0) return 5;
    if (bWorkstation && system.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64) return 3;
    return 4;
  }
  if (version.dwMajorVersion == 5 && version.dwMinorVersion == 1) return 2;
  return 0;
}

unsigned RV_TarvoltApp::GetMaxConnectionDuration() { return ComputeMaxConnectionLife(this); }
