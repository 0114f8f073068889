#include "tarvolt_app.h"

#include <commctrl.h>
#include <stdlib.h>
#include <string.h>

#include "rv_entry_scanner.h"
#include "rv_log_object.h"
#include "rv_service_manager.h"

const char kServiceName[] = "Halvorn";
const char kSettingsKey[] = "SYSTEM\\CurrentControlSet\\Services\\Halvorn\\";
const char kLogRule[] = "----------------------------------------------------";

RV_TarvoltApp::RV_TarvoltApp()
    : m_bQuit(0),
      m_bRestart(0),
      m_pScanner(nullptr),
      m_bShutdownInProgress(0),
      m_ServiceStatus(),
      m_hServiceStatus(nullptr),
      m_hWorkerThread(nullptr),
      m_dwWorkerThreadId(0),
      m_dwCheckPoint(0),
      m_bScanStarted(0),
      m_pServiceManager(nullptr),
      m_pLogObject(nullptr),
      m_bLoggerOpen(0),
      m_hNetworkThreadA(nullptr),
      m_hNetworkThreadB(nullptr),
      m_pNetworkA(nullptr),
      m_pNetworkB(nullptr),
      m_hStopEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  InitializeCriticalSection(&m_logLock);
  InitializeCriticalSection(&m_networkLock);
}

RV_TarvoltApp::~RV_TarvoltApp() {
  DeleteNetworks();
  delete m_pServiceManager;
  delete m_pLogObject;
  for (HANDLE hObject : {m_hWorkerThread, m_hNetworkThreadA, m_hNetworkThreadB, m_hStopEvent})
    if (hObject != nullptr) CloseHandle(hObject);
  DeleteCriticalSection(&m_logLock);
  DeleteCriticalSection(&m_networkLock);
}

BOOL RV_TarvoltApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), 0xFF};
  InitCommonControlsEx(&controls);
  AfxEnableControlContainer();
  SetRegistryKey("RV Tarvolt Service");
  if (__argc > 1) {
    HandleCommandLine();
    CloseLogger();
    return TRUE;
  }
  m_pScanner = new RV_EntryScanner(this);
  WriteLog(3, "Invoking Tarvolt Servicemain");
  char szServiceName[sizeof(kServiceName)];
  memcpy(szServiceName, kServiceName, sizeof(kServiceName));
  SERVICE_TABLE_ENTRYA table[] = {{szServiceName, ServiceMain}, {nullptr, nullptr}};
  // Outside the service control manager this fails at once, and the program ends.
  StartServiceCtrlDispatcherA(table);
  return TRUE;
}

RV_ServiceManager* RV_TarvoltApp::GetServiceManager() {
  if (!m_pServiceManager) m_pServiceManager = new RV_ServiceManager("", "");
  return m_pServiceManager;
}

void RV_TarvoltApp::ReplaceServiceManager(RV_ServiceManager* pManager) {
  delete m_pServiceManager;
  m_pServiceManager = pManager;
}
