// The worker of each pass and the two network threads that run the connection loops.
#include <process.h>

#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "tarvolt_app.h"

bool RV_TarvoltApp::EnsureNetworkThread(HANDLE& hThread, unsigned(__stdcall* pThreadProc)(void*)) {
  // A network thread of an earlier pass may still run its loop: never two for one network.
  if (hThread != nullptr) {
    if (WaitForSingleObject(hThread, 0) == WAIT_TIMEOUT) return true;
    CloseHandle(hThread);
  }
  hThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, pThreadProc, this, 0, nullptr));
  return hThread != nullptr;
}

bool RV_TarvoltApp::NetworkThreadLeft() const {
  for (HANDLE hThread : {m_hNetworkThreadA, m_hNetworkThreadB})
    if (hThread != nullptr && WaitForSingleObject(hThread, 0) == WAIT_TIMEOUT) return true;
  return false;
}

unsigned __stdcall RV_TarvoltApp::ServiceWorkerThread(void* pParam) {
  RV_TarvoltApp* pApp = static_cast<RV_TarvoltApp*>(pParam);
  if (!pApp->EnsureNetworkThread(pApp->m_hNetworkThreadA, NetworkThreadA)) return 0;
  if (!pApp->EnsureNetworkThread(pApp->m_hNetworkThreadB, NetworkThreadB)) return 0;
  HANDLE threads[] = {pApp->m_hNetworkThreadA, pApp->m_hNetworkThreadB};
  WaitForMultipleObjects(2, threads, TRUE, INFINITE);
  if (pApp->GetNetworkA()->GetVPNObjectCount() == 0 && pApp->GetNetworkB()->GetVPNObjectCount() == 0) {
    pApp->WriteLog(1, "No VPN connections, Shutting down the serivce");
    pApp->ShutdownServices();
  }
  return 0;
}

void RV_TarvoltApp::RunNetwork(RV_TarvoltApp* pApp, RV_ConnectionObject* (RV_TarvoltApp::*pGetNetwork)(),
                               HANDLE hDoneEvent) {
  WaitForSingleObject(hDoneEvent, INFINITE);
  if ((pApp->*pGetNetwork)()->GetVPNObjectCount() == 0) return;
  while (!pApp->m_bQuit) {
    (pApp->*pGetNetwork)()->Init();
    pApp->m_bRestart = 0;
  }
}

unsigned __stdcall RV_TarvoltApp::NetworkThreadA(void* pParam) {
  RV_TarvoltApp* pApp = static_cast<RV_TarvoltApp*>(pParam);
  RunNetwork(pApp, &RV_TarvoltApp::GetNetworkA, pApp->m_pScanner->GetDoneEvent());
  return 0;
}

unsigned __stdcall RV_TarvoltApp::NetworkThreadB(void* pParam) {
  RV_TarvoltApp* pApp = static_cast<RV_TarvoltApp*>(pParam);
  RunNetwork(pApp, &RV_TarvoltApp::GetNetworkB, pApp->m_pScanner->GetDoneEvent());
  return 0;
}
