// The network's loop: each pass measures the pairs, chooses the fastest free one, dials it in
// the dialer thread and holds the connection with a check of the server every 60 seconds.
#include <process.h>

#include "rv_connection_object.h"
#include "rv_gateway_info.h"
#include "rv_ip_helper.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

namespace {

const char kHostMask[] = "255.255.255.255";
const DWORD kRestMs = 2000;
const DWORD kCheckIntervalMs = 60000;

}  // namespace

void RV_ConnectionObject::Init() {
  m_pApp->WriteLog(3, "RV_ConnectionObject::Init() Entry");
  RV_IpHelper ipHelper(m_pApp);
  m_nCurrentGateway = 0;
  RemoveAllGatewayPairs();
  LoadGateways();
  SetReadyEvent();
  while (!m_pApp->m_bQuit) {
    bool bConnected = false;
    WaitForSingleObject(m_hReadyEvent, INFINITE);
    AddDefaultGateways();
    PingAllGateways();
    if (GetGatewayPairCount() == 0) {
      m_pApp->WriteLog(1, "No Gateway-Server combinations available; Trying again");
      Sleep(kRestMs);
    } else {
      m_pApp->WriteLog(1, "%i Gateway-Server combinations available", static_cast<int>(GetGatewayPairCount()));
      m_nCurrentGateway = ChooseGateway();
      if (m_nCurrentGateway == -1) {
        for (INT_PTR i = 0; i < m_arrGateways.GetSize(); ++i) m_arrGateways[i]->ClearTimestamps();
        if (m_pApp->m_bRestart) break;
        continue;
      }
      if (!m_pApp->m_bRestart && !m_pApp->m_bQuit) bConnected = DialChosenPair(ipHelper);
      PingWait(ipHelper, bConnected);
      if (m_pApp->m_bQuit) break;
      Sleep(kRestMs);
    }
    if (m_pApp->m_bRestart) break;
  }
  WaitForDialerThread();
  m_pApp->WriteLog(3, "RV_ConnectionObject::Init() Exit");
}

bool RV_ConnectionObject::DialChosenPair(RV_IpHelper& ipHelper) {
  // One entry of the network left connected (by anyone) goes first.
  bool bFound = false;
  RV_VPNObject* pActive = FindActiveConnection(bFound);
  if (pActive != nullptr) {
    m_pCurrentVPNObject = pActive;
    pActive->HangUpConnection(ipHelper);
  }
  RV_GatewayInfo* pPair = m_arrGateways[m_nCurrentGateway];
  m_pCurrentVPNObject = pPair->GetVPNObject();
  m_pCurrentVPNObject->SetCurrentGateway(pPair);
  m_pCurrentVPNObject->m_nStatus = VPN_STATUS_NEW;
  bool bConnected = StartDialerThread();
  if (m_pApp->m_bQuit) return bConnected;
  if (bConnected) {
    m_pApp->WriteLog(1, "Connection is active now;");
    return true;
  }
  ipHelper.DeleteRoute(pPair->m_strServer, kHostMask, pPair->m_strGateway);
  WaitForDialerThread();
  m_pApp->WriteLog(1, "Connection closed;");
  HandleDialResult(m_pCurrentVPNObject);
  m_pCurrentVPNObject = nullptr;
  return false;
}

int RV_ConnectionObject::ChooseGateway() {
  int nChosen = 0;
  for (INT_PTR i = 0; i < m_arrGateways.GetSize(); ++i) {
    RV_GatewayInfo* pPair = m_arrGateways[i];
    int nRecent = pPair->CountRecentTimestamps();
    LogTimestamps(pPair);
    if (nRecent < RV_GatewayInfo::kTimestampCount) {
      m_pApp->WriteLog(3, "Timestamp field(s) Available");
      return static_cast<int>(i);
    }
    m_pApp->WriteLog(3, "Timestamp field(s) are Full");
    nChosen = -1;
  }
  return nChosen;
}

void RV_ConnectionObject::PingWait(RV_IpHelper& ipHelper, bool bConnected) {
  UINT nSuccesses = 0;
  DWORD t0 = GetTickCount();
  while (bConnected && !m_pApp->m_bQuit) {
    m_pApp->WriteLog(2, "Entring Ping wait state");
    LONG nWait = static_cast<LONG>(kCheckIntervalMs - (GetTickCount() - t0));
    WaitForSingleObject(m_hWakeEvent, nWait < 0 ? 0 : static_cast<DWORD>(nWait));
    t0 = GetTickCount();
    ResetWakeEvent();
    m_pApp->WriteLog(2, "Ping wait state Exit");
    if (m_pApp->m_bQuit) break;
    bConnected = CheckHeldConnection(ipHelper, nSuccesses);
  }
  m_pApp->WriteLog(2, "Exiting Ping wait loop");
}

bool RV_ConnectionObject::CheckHeldConnection(RV_IpHelper& ipHelper, UINT& nSuccesses) {
  RV_VPNObject* pObject = m_pCurrentVPNObject;
  bool bHeld = true;
  if (pObject->GetConnStatus()) {
    CString strServerIp = pObject->GetServerIp();
    if (IsVPNServerPingable(strServerIp)) {
      ++nSuccesses;
      m_pApp->WriteLog(3, "Pinging to server IP %s was successful : %u", strServerIp.GetString(), nSuccesses);
    } else {
      m_pApp->WriteLog(2, "Pinging to server IP %s was not successful. Hanging up.", strServerIp.GetString());
      pObject->HangUpConnection(ipHelper);
      bHeld = false;
    }
  } else {
    m_pApp->WriteLog(2, "Connection no more available, preparing for redial or a new connection");
    pObject->HangUpConnection(ipHelper);
    bHeld = false;
  }
  if (!pObject->IsConnected()) pObject->HangUpConnection(ipHelper);
  return bHeld;
}

bool RV_ConnectionObject::StartDialerThread() {
  ResetStartedEvent();
  ResetReadyEvent();
  // The previous dialer thread has set the ready event as its last step; its handle goes once it
  // has truly ended, so that one network never has two.
  WaitForDialerThread();
  if (m_hDialerThread != nullptr) CloseHandle(m_hDialerThread);
  m_hDialerThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, DialerThread, this, 0, nullptr));
  if (m_hDialerThread == nullptr) {
    // Nothing was dialled: the next pass must neither wait for a thread that never ran nor
    // count a failure against the pair.
    m_pApp->WriteLog(1, "Couldn't start the dialer thread");
    SetReadyEvent();
    return false;
  }
  WaitForSingleObject(m_hStartedEvent, INFINITE);
  return m_pCurrentVPNObject != nullptr && m_pCurrentVPNObject->IsConnected();
}
