// The ordered shutdown: quit flag, wake-ups, joins, deletes, and the logger last, so that every
// step can still write its line.
#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_service_manager.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

namespace {

void WakeNetwork(RV_ConnectionObject* pNetwork) {
  RV_VPNObject* pCurrent = pNetwork->GetCurrentVPNObject();
  if (pCurrent == nullptr) return;
  SetEvent(pCurrent->GetNotifier());
  pNetwork->SetWakeEvent();
}

void Join(HANDLE hThread) {
  if (hThread != nullptr) WaitForSingleObject(hThread, INFINITE);
}

}  // namespace

void RV_TarvoltApp::ShutdownServices() {
  BYTE bWasInProgress = m_bShutdownInProgress.exchange(1);
  if (bWasInProgress) {
    WriteLog(3, "Service Shutdown in progress");
    return;
  }
  WriteLog(3, "ShutdownServices Part 1");
  m_bQuit = 1;
  WriteLog(3, "ShutdownServices Part 2");
  WakeNetwork(GetNetworkA());
  WriteLog(3, "ShutdownServices Part 3");
  WakeNetwork(GetNetworkB());
  WriteLog(3, "ShutdownServices Part 4");
  WriteLog(3, "ShutdownServices Part 5");
  if (GetNetworkA()->GetVPNObjectCount() > 0) Join(m_hNetworkThreadA);
  WriteLog(3, "ShutdownServices Part 6");
  if (GetNetworkB()->GetVPNObjectCount() > 0) Join(m_hNetworkThreadB);
  WriteLog(3, "ShutdownServices Part 7");
  WriteLog(3, "ShutdownServices Part 8");
  JoinThreadsThatReachTheNetworks();
  delete m_pNetworkA;
  m_pNetworkA = nullptr;
  delete m_pNetworkB;
  m_pNetworkB = nullptr;
  WriteLog(3, "ShutdownServices Part 9");
  WriteLog(3, "ShutdownServices Part 10");
  delete m_pScanner;
  m_pScanner = nullptr;
  WriteLog(3, "ShutdownServices Part 11");
  delete m_pServiceManager;
  m_pServiceManager = nullptr;
  WriteLog(3, "All the threads are closed");
  CloseLogger();
  m_bShutdownInProgress = 0;
}

void RV_TarvoltApp::JoinThreadsThatReachTheNetworks() {
  // A scan still fills the networks until its done event; a scan that never started leaves the
  // network threads waiting for that event, which the quit flag now makes them pass.
  if (m_pScanner != nullptr) {
    if (m_bScanStarted)
      WaitForSingleObject(m_pScanner->GetDoneEvent(), INFINITE);
    else
      SetEvent(m_pScanner->GetDoneEvent());
  }
  // With the quit flag set, network threads and the worker end without a new loop.
  Join(m_hNetworkThreadA);
  Join(m_hNetworkThreadB);
  // The worker runs this shutdown itself when neither network has an entry.
  if (GetCurrentThreadId() != m_dwWorkerThreadId) Join(m_hWorkerThread);
}
