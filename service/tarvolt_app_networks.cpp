// The application's two networks and the scanner that fills them.
#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "tarvolt_app.h"

namespace {

RV_ConnectionObject* CreatedOnce(RV_ConnectionObject*& pNetwork, RV_TarvoltApp* pApp, CRITICAL_SECTION* pLock) {
  EnterCriticalSection(pLock);
  if (pNetwork == nullptr) pNetwork = new RV_ConnectionObject(pApp);
  RV_ConnectionObject* pResult = pNetwork;
  LeaveCriticalSection(pLock);
  return pResult;
}

}  // namespace

RV_ConnectionObject* RV_TarvoltApp::GetNetworkA() { return CreatedOnce(m_pNetworkA, this, &m_networkLock); }

RV_ConnectionObject* RV_TarvoltApp::GetNetworkB() { return CreatedOnce(m_pNetworkB, this, &m_networkLock); }

void RV_TarvoltApp::DeleteNetworks() {
  delete m_pScanner;
  m_pScanner = nullptr;
  delete m_pNetworkA;
  m_pNetworkA = nullptr;
  delete m_pNetworkB;
  m_pNetworkB = nullptr;
}
