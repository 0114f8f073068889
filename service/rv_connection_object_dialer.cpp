// The dialer thread: one dial through the chosen pair, the check of the assigned address, and
// the connection held until it drops or its maximum life runs out.
#include "max_connection_life.h"
#include "rv_connection_object.h"
#include "rv_gateway_info.h"
#include "rv_ip_helper.h"
#include "rv_vpn_object.h"
#include "settings_store.h"
#include "tarvolt_app.h"

namespace {

const char kHostMask[] = "255.255.255.255";
const DWORD kRestMs = 2000;
const char kAnyAddress[] = "0.0.0.0";

}  // namespace

unsigned __stdcall RV_ConnectionObject::DialerThread(void* pParam) {
  RV_ConnectionObject* pThis = static_cast<RV_ConnectionObject*>(pParam);
  RV_TarvoltApp* pApp = pThis->m_pApp;
  RV_VPNObject* pObject = pThis->m_pCurrentVPNObject;
  RV_GatewayInfo* pPair = pObject->GetCurrentGateway();
  pApp->WriteLog(3, "RV_ConnectionObject::DialerThread() Entry");
  RV_IpHelper ipHelper(pApp);
  ipHelper.AddRoute(pPair->m_strServer, kHostMask, pPair->m_strGateway, pPair->m_nMetric);
  if (!pObject->DialVPNConn()) {
    pObject->m_nStatus = VPN_STATUS_DROPPED;
    pObject->HangUpConnection(ipHelper);
    Sleep(kRestMs);
  } else if (pApp->m_bQuit) {
    pThis->SetWakeEvent();
    pObject->m_nStatus = VPN_STATUS_QUIT;
    pThis->HandleDialResult(pObject);
    pObject->HangUpConnection(ipHelper);
  } else {
    pApp->WriteLog(1, "\"%s\" Connection Successfull.", pObject->GetEntryName());
    if (pThis->CheckAssignedIp(pObject->GetClientIp())) {
      pThis->HoldConnection(ipHelper, pObject);
    } else if (pObject->IsConnected()) {
      pApp->WriteLog(2, "IP assigned by the server doesn't match the required IP. Hanging up the connection");
      pObject->m_nStatus = VPN_STATUS_IP_MISMATCH;
      pThis->HandleDialResult(pObject);
      pObject->HangUpConnection(ipHelper);
    }
  }
  pApp->WriteLog(3, "RV_ConnectionObject::DialerThread() Exit");
  pThis->SetStartedEvent();
  pThis->SetReadyEvent();
  return 0;
}

void RV_ConnectionObject::HoldConnection(RV_IpHelper& ipHelper, RV_VPNObject* pObject) {
  m_pApp->WriteLog(2, "IP assigned by the server match the required IP");
  LogConnectionTime(true);
  UINT nLife = GetMaxConnectionDuration();
  SetStartedEvent();
  DWORD dwResult = WaitForSingleObject(pObject->GetNotifier(), nLife * 1000);
  if (dwResult == WAIT_OBJECT_0) {
    m_pApp->WriteLog(2, "pVPNObject->GetNotifier() Notified disconnection");
    pObject->m_nStatus = VPN_STATUS_DROPPED;
    SetWakeEvent();
  } else if (dwResult == WAIT_TIMEOUT) {
    m_pApp->WriteLog(2, "Restarting the connection after the time lapse.");
    pObject->m_nStatus = VPN_STATUS_TIME_LAPSE;
    LogConnectionTime(false);
    SetWakeEvent();
  } else {
    m_pApp->WriteLog(3, "Unknown disconnection");
    pObject->m_nStatus = VPN_STATUS_DROPPED;
  }
  HandleDialResult(pObject);
  pObject->HangUpConnection(ipHelper);
}

void RV_ConnectionObject::HandleDialResult(RV_VPNObject* pObject) {
  if (pObject->m_nStatus == VPN_STATUS_DROPPED) {
    m_pApp->WriteLog(3, "Setting new Timestamp");
    pObject->GetCurrentGateway()->SetTimestamp();
  } else if (pObject->m_nStatus == VPN_STATUS_QUIT) {
    m_pApp->m_bQuit = 1;
  }
}

bool RV_ConnectionObject::CheckAssignedIp(CString strAssigned) {
  CString strRequired = QueryRequiredIP(m_pCurrentVPNObject->GetNetworkType());
  return strRequired == strAssigned || strRequired == kAnyAddress;
}

CString RV_ConnectionObject::QueryRequiredIP(int nNetworkType) {
  m_pApp->WriteLog(3, "RV_ConnectionObject::QueryRequiredIP() Entry");
  CString strRequired;
  BYTE address[4];
  const char* pszSubkey = nNetworkType == 1 ? "AUTO-A" : nNetworkType == 2 ? "AUTO-B" : nullptr;
  if (pszSubkey != nullptr && ReadSetting(SettingsSubkeyPath(pszSubkey), "Required_IP", address, sizeof(address))) {
    strRequired.Format("%i.%i.%i.%i", address[0], address[1], address[2], address[3]);
    m_pApp->WriteLog(2,
                     nNetworkType == 1 ? "Required IP by the service for Network 'A' is : %s"
                                       : "Required IP by the service for Network 'B' is : %s",
                     strRequired.GetString());
  }
  m_pApp->WriteLog(3, "RV_ConnectionObject::QueryRequiredIP() Exit");
  return strRequired;
}

UINT RV_ConnectionObject::GetMaxConnectionDuration() {
  m_pApp->WriteLog(3, "RV_ConnectionObject::GetMaxConnectionDuration() Entry");
  UINT nLife = ComputeMaxConnectionLife(m_pApp);
  m_pApp->WriteLog(3, "RV_ConnectionObject::GetMaxConnectionDuration() Exit");
  return nLife;
}

void RV_ConnectionObject::LogConnectionTime(bool bEstablished) {
  CTime now = CTime::GetCurrentTime();
  m_pApp->WriteLog(2,
                   bEstablished ? "Connection Established at : %u Hours %u Minutes %u Seconds"
                                : "Connection down at : %u Hours %u Minutes %u Seconds",
                   now.GetHour(), now.GetMinute(), now.GetSecond());
}
