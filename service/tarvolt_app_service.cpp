// The service's life as the service control manager sees it: its cycles, its status reports, its
// control handler and the stop-pending heartbeat.
#include <process.h>

#include "rv_entry_scanner.h"
#include "rv_service_manager.h"
#include "tarvolt_app.h"

namespace {

const DWORD kWorkerWaitMs = 10000;
const DWORD kHeartbeatMs = 900;
const DWORD kStopWaitHint = 1000;
const DWORD kCycleRestMs = 2000;

RV_TarvoltApp* TheApp() { return static_cast<RV_TarvoltApp*>(AfxGetApp()); }

HANDLE StartThread(unsigned(__stdcall* pThreadProc)(void*), void* pParam, DWORD* pThreadId = nullptr) {
  unsigned threadId = 0;
  HANDLE hThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, pThreadProc, pParam, 0, &threadId));
  if (pThreadId != nullptr) *pThreadId = threadId;
  return hThread;
}

// Waits for the thread in slices; a handle that cannot be waited on counts as ended.
void JoinInSlices(HANDLE hThread, DWORD dwSliceMs) {
  if (hThread == nullptr) return;
  while (WaitForSingleObject(hThread, dwSliceMs) == WAIT_TIMEOUT) {
  }
}

}  // namespace

void WINAPI RV_TarvoltApp::ServiceMain(DWORD, LPSTR*) {
  RV_TarvoltApp* pApp = TheApp();
  pApp->m_bRestart = 1;
  pApp->WriteLog(2, "Tarvolt ServiceMain invoked");
  while (pApp->m_bRestart) {
    pApp->m_bRestart = 0;
    pApp->RegisterServiceHandler();
    while (!pApp->m_bQuit) {
      pApp->ReportServiceStatus(SERVICE_RUNNING, 0, 0, NO_ERROR);
      pApp->CheckRemoteAccessService();
      // After a network thread failed to start, the other may still run on the entries: a new
      // scan would destroy them under it, so its worker uses the last scan's entries.
      bool bKeepEntries = pApp->NetworkThreadLeft();
      if (pApp->m_hWorkerThread != nullptr) CloseHandle(pApp->m_hWorkerThread);
      pApp->m_hWorkerThread = StartThread(ServiceWorkerThread, pApp, &pApp->m_dwWorkerThreadId);
      if (!bKeepEntries) {
        if (!pApp->m_pScanner->StartScan()) break;
        pApp->m_bScanStarted = 1;
      }
      JoinInSlices(pApp->m_hWorkerThread, kWorkerWaitMs);
    }
    Sleep(kCycleRestMs);
    if (pApp->m_bRestart) {
      pApp->m_bQuit = 0;
    } else {
      pApp->GetServiceManager()->StopService(kServiceName);
      break;
    }
  }
}

bool RV_TarvoltApp::RegisterServiceHandler() {
  m_ServiceStatus.dwServiceType = SERVICE_WIN32;
  m_ServiceStatus.dwCurrentState = SERVICE_START_PENDING;
  m_ServiceStatus.dwControlsAccepted = SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE;
  m_ServiceStatus.dwWin32ExitCode = ERROR_SERVICE_SPECIFIC_ERROR;
  m_ServiceStatus.dwServiceSpecificExitCode = 0;
  m_ServiceStatus.dwCheckPoint = 0;
  m_ServiceStatus.dwWaitHint = 0;
  m_hServiceStatus = RegisterServiceCtrlHandlerA(kServiceName, ServiceCtrlHandler);
  return m_hServiceStatus != nullptr;
}

BOOL RV_TarvoltApp::ReportServiceStatus(DWORD dwState, DWORD dwCheckPoint, DWORD dwWaitHint, DWORD dwExitCode) {
  m_ServiceStatus.dwCurrentState = dwState;
  m_ServiceStatus.dwCheckPoint = dwCheckPoint;
  m_ServiceStatus.dwWaitHint = dwWaitHint;
  m_ServiceStatus.dwWin32ExitCode = dwExitCode;
  return SetServiceStatus(m_hServiceStatus, &m_ServiceStatus);
}

void WINAPI RV_TarvoltApp::ServiceCtrlHandler(DWORD dwControl) {
  RV_TarvoltApp* pApp = TheApp();
  switch (dwControl) {
    case SERVICE_CONTROL_STOP: {
      pApp->WriteLog(1, kLogRule);
      pApp->WriteLog(1, "Service STOP initiated externally");
      pApp->WriteLog(1, kLogRule);
      // The check point is taken before the heartbeat starts counting on.
      pApp->ReportServiceStatus(SERVICE_STOP_PENDING, pApp->m_dwCheckPoint++, kStopWaitHint, NO_ERROR);
      HANDLE hHeartbeat = StartThread(StopPendingThread, pApp);
      pApp->ShutdownServices();
      SetEvent(pApp->m_hStopEvent);
      // No stop-pending report may follow the stopped one.
      if (hHeartbeat != nullptr) {
        WaitForSingleObject(hHeartbeat, INFINITE);
        CloseHandle(hHeartbeat);
        CloseHandle(pApp->m_hStopEvent);
        pApp->m_hStopEvent = nullptr;
      }
      pApp->ReportServiceStatus(SERVICE_STOPPED, 0, 0, NO_ERROR);
      break;
    }
    case SERVICE_CONTROL_PAUSE:
      pApp->m_ServiceStatus.dwCurrentState = SERVICE_PAUSED;
      break;
    case SERVICE_CONTROL_CONTINUE:
      pApp->m_ServiceStatus.dwCurrentState = SERVICE_RUNNING;
      break;
    default:
      break;
  }
}

unsigned __stdcall RV_TarvoltApp::StopPendingThread(void* pParam) {
  RV_TarvoltApp* pApp = static_cast<RV_TarvoltApp*>(pParam);
  while (WaitForSingleObject(pApp->m_hStopEvent, kHeartbeatMs) == WAIT_TIMEOUT)
    pApp->ReportServiceStatus(SERVICE_STOP_PENDING, pApp->m_dwCheckPoint++, kStopWaitHint, NO_ERROR);
  return 0;
}
