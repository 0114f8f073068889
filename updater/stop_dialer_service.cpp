#include "stop_dialer_service.h"

#include <windows.h>
#include <winsvc.h>

namespace {

// 60 s of polling: a service that stops no sooner holds its program, and the copy then fails.
const int kMaxStatusQueries = 120;
const DWORD kPollInterval = 500;

}  // namespace

int StopDialerService() {
  SC_HANDLE hManager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (hManager == nullptr) return 0;
  SC_HANDLE hService = OpenServiceA(hManager, "Halvorn", SERVICE_ALL_ACCESS);
  if (hService == nullptr) {
    CloseServiceHandle(hManager);
    return 0;
  }
  SERVICE_STATUS status = {};
  if (!ControlService(hService, SERVICE_CONTROL_STOP, &status)) {
    CloseServiceHandle(hService);
    CloseServiceHandle(hManager);
    return 0;
  }
  int nCount = 1;
  while (QueryServiceStatus(hService, &status)) {
    ++nCount;
    if (status.dwCurrentState != SERVICE_STOP_PENDING || nCount > kMaxStatusQueries) break;
    Sleep(kPollInterval);
  }
  CloseServiceHandle(hService);
  CloseServiceHandle(hManager);
  return nCount;
}
