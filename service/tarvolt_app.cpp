#include "tarvolt_app.h"

#include <commctrl.h>
#include <stdlib.h>

#include "rv_log_object.h"
#include "rv_service_manager.h"

const char kServiceName[] = "Halvorn";
const char kSettingsKey[] = "SYSTEM\\CurrentControlSet\\Services\\Halvorn\\";

RV_TarvoltApp::RV_TarvoltApp()
    : m_bQuit(0),
      m_bRestart(0),
      m_pScanner(nullptr),
      m_pServiceManager(nullptr),
      m_pLogObject(nullptr),
      m_bLoggerOpen(0),
      m_pNetworkA(nullptr),
      m_pNetworkB(nullptr) {
  InitializeCriticalSection(&m_logLock);
  InitializeCriticalSection(&m_networkLock);
}

RV_TarvoltApp::~RV_TarvoltApp() {
  DeleteNetworks();
  delete m_pServiceManager;
  delete m_pLogObject;
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
  }
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
