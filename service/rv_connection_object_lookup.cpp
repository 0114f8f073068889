// Questions the loop asks the machine: an entry already connected, a server that answers, a
// host name's address.
#include <string.h>

#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_ip_helper.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"

namespace {

const DWORD kEchoTimeout = 5000;
const int kEchoesPerCheck = 3;
const int kAnswersNeeded = 2;

}  // namespace

RV_VPNObject* RV_ConnectionObject::FindActiveConnection(bool& bFound) {
  if (m_pApp->m_pScanner != nullptr) m_pApp->m_pScanner->CheckActiveConnections();
  for (INT_PTR i = 0; i < m_arrVPNObjects.GetSize(); ++i) {
    RV_VPNObject* pObject = m_arrVPNObjects[i];
    if (!pObject->IsConnected()) continue;
    m_pApp->WriteLog(1, "VPN connection \"%s\" already active", pObject->GetEntryName());
    bFound = true;
    return pObject;
  }
  m_pApp->WriteLog(1, "No Active AUTO-xx VPN connections");
  return nullptr;
}

bool RV_ConnectionObject::IsVPNServerPingable(CString strAddress) {
  m_pApp->WriteLog(3, "RV_ConnectionObject::IsVPNServerPingable() Entry");
  bool bPingable = false;
  if (!strAddress.IsEmpty()) {
    RV_IpHelper ipHelper(m_pApp);
    int nAnswers = 0;
    for (int i = 0; i < kEchoesPerCheck && nAnswers < kAnswersNeeded; ++i) {
      DWORD dwReplies = 0;
      DWORD dwTime = ipHelper.PingHost(strAddress, kEchoTimeout, dwReplies);
      if (dwTime != 0xFFFFFFFF && dwReplies != 0) ++nAnswers;
    }
    bPingable = nAnswers >= kAnswersNeeded;
  }
  m_pApp->WriteLog(3, "RV_ConnectionObject::IsVPNServerPingable() Exit");
  return bPingable;
}

DWORD RV_ConnectionObject::ResolveName(CString strHost) {
  m_pApp->WriteLog(3, "RV_ConnectionObject::ResolveName() Entry");
  const hostent* pHost = gethostbyname(strHost.GetString());
  if (pHost == nullptr || pHost->h_addrtype != AF_INET || pHost->h_addr_list[0] == nullptr) {
    m_pApp->WriteLog(2, "Couldn't get Host by name.");
    return 0;
  }
  m_pApp->WriteLog(3, "RV_ConnectionObject::ResolveName() Exit");
  DWORD dwAddress = 0;
  memcpy(&dwAddress, pHost->h_addr_list[0], sizeof(dwAddress));
  return dwAddress;
}
