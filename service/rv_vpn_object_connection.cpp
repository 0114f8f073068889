// The VPN object's connection: the synchronous dial, the status query, the disconnection
// notification, the addresses of the PPP IP projection and the hang-up.
#include <string.h>

#include "ras_error_string.h"
#include "ras_records.h"
#include "rv_gateway_info.h"
#include "rv_ip_helper.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

namespace {

const char kHostMask[] = "255.255.255.255";

}  // namespace

bool RV_VPNObject::DialVPNConn() {
  m_pApp->WriteLog(3, "RV_VPNObject::DialVPNConn() Entry");
  if (m_bConnected) {
    m_pApp->WriteLog(3, "RV_VPNObject::DialVPNConn() Exit");
    return false;
  }
  m_pApp->WriteLog(1, "Dialing \"%s\".", m_szEntryName);
  m_pApp->WriteLog(2, "RAS-API call : RasDial()");
  DWORD dwResult = RasDialA(nullptr, m_szPhonebook, m_pDialParams, 0, nullptr, &m_hRasConn);
  if (m_pApp->m_bQuit) return false;

  if (dwResult != 0) {
    if (!m_bConnected) {
      m_pApp->WriteLog(2,
                       "\nFailed to establish the Connection for : %s; \t\t\t\t\t\t\t\t\t\t\t\t\nwith Error code "
                       ":\"%s\"\n",
                       m_szEntryName, GetRasErrorString(dwResult, 1));
      m_pApp->WriteLog(3, "RV_VPNObject::DialVPNConn() Exit");
      return false;
    }
  } else {
    m_pApp->WriteLog(1, "\"%s\" Dialing Successful.", m_szEntryName);
    m_pApp->WriteLog(2, "Getting Connection Status for \"%s\".", m_szEntryName);
    if (GetConnStatus() && SetConnectionNotification()) {
      m_pApp->WriteLog(2, "Obtaining the Client and Server IPs for the connection \"%s\".", m_szEntryName);
      GetProjectionInfo();
    } else if (!m_bConnected) {
      m_pApp->WriteLog(2,
                       "\nFailed to Getting Connection Status for \"%s\"; \t\t\t\t\t\t\t\t\t\t\t\t\t\nwith Error "
                       "code :\"%s\"; So, Hanging up;\n",
                       m_szEntryName, GetRasErrorString(dwResult, 1));
      m_pApp->WriteLog(3, "RV_VPNObject::DialVPNConn() Exit");
      return false;
    }
  }
  return !m_pApp->m_bQuit;
}

bool RV_VPNObject::GetConnStatus() {
  m_pApp->WriteLog(3, "RV_VPNObject::GetConnStatus() Entry");
  RASCONNSTATUSA status;
  memset(&status, 0, sizeof(status));
  status.dwSize = kRasConnStatusSize;
  m_pApp->WriteLog(2, "Getting connection status for : \"%s\";", m_szEntryName);
  m_pApp->WriteLog(2, "RAS-API call : RasGetConnectStatus()");
  DWORD dwResult = RasGetConnectStatusA(m_hRasConn, &status);
  if (dwResult != 0) {
    m_bConnected = 0;
  } else if (m_hRasConn != nullptr && status.rasconnstate == RASCS_Connected) {
    m_bConnected = 1;
    m_pApp->WriteLog(3, "Connection estabilished using : \"%s\";", FieldText(status.szDeviceName).GetString());
  }
  m_pApp->WriteLog(3, "RV_VPNObject::GetConnStatus() Exit");
  return m_bConnected != 0;
}

bool RV_VPNObject::SetConnectionNotification() {
  m_pApp->WriteLog(3, "RV_VPNObject::SetConnectionNotification() Entry");
  // A signal left from an earlier connection must not end the next wait.
  ResetEvent(m_hNotifier);
  m_pApp->WriteLog(2, "RAS-API call : RasConnectionNotification()");
  DWORD dwResult = RasConnectionNotificationA(m_hRasConn, m_hNotifier, RASCN_Disconnection);
  if (dwResult == 0) m_pApp->WriteLog(2, "Connection Notification activated for : \"%s\";", m_szEntryName);
  m_pApp->WriteLog(3, "RV_VPNObject::SetConnectionNotification() Exit");
  return dwResult == 0;
}

bool RV_VPNObject::GetProjectionInfo() {
  m_pApp->WriteLog(3, "RV_VPNObject::GetProjectionInfo() Entry");
  RASPPPIPA projection;
  memset(&projection, 0, sizeof(projection));
  projection.dwSize = kRasPppIpSize;
  DWORD cb = kRasPppIpSize;
  m_pApp->WriteLog(2, "RAS-API call : RasGetProjectionInfo()");
  bool bRead = RasGetProjectionInfoA(m_hRasConn, RASP_PppIp, &projection, &cb) == 0;
  m_strServerIp = bRead ? FieldText(projection.szServerIpAddress) : CString();
  m_pApp->WriteLog(2, "ServerIP : \"%s\";", m_strServerIp.GetString());
  m_strClientIp = bRead ? FieldText(projection.szIpAddress) : CString();
  m_pApp->WriteLog(2, "Assigned ClientIP : \"%s\";", m_strClientIp.GetString());
  m_pApp->WriteLog(3, "RV_VPNObject::GetProjectionInfo() Exit");
  return true;
}

bool RV_VPNObject::HangUpConnection(RV_IpHelper& ipHelper) {
  m_pApp->WriteLog(3, "RV_VPNObject::HangUpConnection() Entry");
  m_pApp->WriteLog(1, "Hanging up connection : \"%s\";", m_szEntryName);
  m_pApp->WriteLog(2, "RAS-API call : RasHangUp()");
  if (RasHangUpA(m_hRasConn) == 0) {
    m_pApp->WriteLog(1, "Successfully hung up connection : \"%s\";", m_szEntryName);
    if (!GetConnStatus()) m_hRasConn = nullptr;
  } else {
    m_hRasConn = nullptr;
  }
  if (m_pCurrentGateway != nullptr)
    ipHelper.DeleteRoute(m_pCurrentGateway->m_strServer, kHostMask, m_pCurrentGateway->m_strGateway);
  m_bConnected = 0;
  m_pApp->WriteLog(3, "RV_VPNObject::HangUpConnection() Exit");
  return true;
}
