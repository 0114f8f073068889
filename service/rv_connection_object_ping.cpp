// The measurement of the pairs: two echoes per pair through a temporary host route, in one
// pinger thread per entry, then the pairs ordered fastest first.
#include <process.h>

#include "rv_connection_object.h"
#include "rv_gateway_info.h"
#include "rv_ip_helper.h"
#include "rv_vpn_object.h"
#include "tarvolt_app.h"
#include "walk_sort.h"

namespace {

const char kHostMask[] = "255.255.255.255";
const DWORD kEchoTimeout = 5000;
// Stands for an echo that was not answered, slower than any answer.
const DWORD kNoAnswer = 5001;
const DWORD kNoReply = 0xFFFFFFFF;

struct PingerStart {
  RV_ConnectionObject* pNetwork;
  RV_VPNObject* pObject;
};

// One echo's time, or kNoAnswer.
DWORD EchoTime(RV_IpHelper& ipHelper, const CString& strServer) {
  DWORD dwReplies = 0;
  DWORD dwTime = ipHelper.PingHost(strServer, kEchoTimeout, dwReplies);
  return dwTime != kNoReply && dwReplies != 0 ? dwTime : kNoAnswer;
}

CString SlotAge(const RV_GatewayInfo* pPair, int nSlot) {
  CTime tSlot = pPair->m_tTimestamps[nSlot];
  CTimeSpan age = RV_GatewayInfo::IsEmptySlot(tSlot) ? CTimeSpan(0) : pPair->m_tLastCheck - tSlot;
  return age.Format("%H,%M,%S");
}

}  // namespace

void RV_ConnectionObject::PingAllGateways() {
  for (INT_PTR i = 0; i < m_arrVPNObjects.GetSize(); ++i) {
    PingerStart start = {this, m_arrVPNObjects[i]};
    HANDLE hThread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, PingerThread, &start, 0, nullptr));
    // Without a thread the entry's pairs keep the times of their last measurement.
    if (hThread == nullptr) {
      m_pApp->WriteLog(1, "Couldn't start the pinger thread for \"%s\"", start.pObject->GetEntryName());
      continue;
    }
    WaitForSingleObject(hThread, INFINITE);
    CloseHandle(hThread);
  }
  SortGatewayList();
}

unsigned __stdcall RV_ConnectionObject::PingerThread(void* pParam) {
  const PingerStart* pStart = static_cast<const PingerStart*>(pParam);
  pStart->pNetwork->MeasurePairs(pStart->pObject);
  return 0;
}

void RV_ConnectionObject::MeasurePairs(RV_VPNObject* pObject) {
  m_pApp->WriteLog(3, "RV_ConnectionObject::PingerThread() Start");
  for (INT_PTR i = 0; i < pObject->GetGatewayCount(); ++i) {
    RV_GatewayInfo* pPair = pObject->GetGatewayAt(i);
    const char* pszGateway = pPair->m_strGateway.GetString();
    const char* pszServer = pPair->m_strServer.GetString();
    RV_IpHelper ipHelper(m_pApp);
    ipHelper.AddRoute(pPair->m_strServer, kHostMask, pPair->m_strGateway, pPair->m_nMetric);
    DWORD dwFirst = EchoTime(ipHelper, pPair->m_strServer);
    if (dwFirst != kNoAnswer)
      m_pApp->WriteLog(2, "%s -> %s  = %ims", pszGateway, pszServer, static_cast<int>(dwFirst));
    else
      m_pApp->WriteLog(2, "%s -> %s  = Ping TimeOut", pszGateway, pszServer);
    DWORD dwSecond = EchoTime(ipHelper, pPair->m_strServer);
    DWORD dwResult = kNoAnswer;
    if (dwSecond != kNoAnswer) {
      m_pApp->WriteLog(2, "%s -> %s  = (%ims, %ims)", pszGateway, pszServer, static_cast<int>(dwFirst),
                       static_cast<int>(dwSecond));
      dwResult = dwFirst < dwSecond ? dwFirst : dwSecond;
    } else {
      m_pApp->WriteLog(2, "%s -> %s  = Ping TimeOut", pszGateway, pszServer);
    }
    pPair->m_dwBestPing = dwResult;
    ipHelper.DeleteRoute(pPair->m_strServer, kHostMask, pPair->m_strGateway);
  }
  m_pApp->WriteLog(3, "RV_ConnectionObject::PingerThread() End");
}

void RV_ConnectionObject::SortGatewayList() {
  m_pApp->WriteLog(3, "RV_ConnectionObject::SortGatewayList() Entry");
  m_pApp->WriteLog(2, "Sorting GatewayList");
  WalkSort(m_arrGateways, [](RV_GatewayInfo* a, RV_GatewayInfo* b) { return a->m_dwBestPing > b->m_dwBestPing; });
  for (INT_PTR i = 0; i < m_arrGateways.GetSize(); ++i) {
    const RV_GatewayInfo* pPair = m_arrGateways[i];
    m_pApp->WriteLog(2, "Route for %s for the server %s pings in %ims", pPair->m_strGateway.GetString(),
                     pPair->m_strServer.GetString(), static_cast<int>(pPair->m_dwBestPing));
  }
  m_pApp->WriteLog(3, "RV_ConnectionObject::SortGatewayList() Exit");
}

void RV_ConnectionObject::LogTimestamps(const RV_GatewayInfo* pPair) {
  CString strTimes[RV_GatewayInfo::kTimestampCount];
  CString strAges[RV_GatewayInfo::kTimestampCount];
  for (int i = 0; i < RV_GatewayInfo::kTimestampCount; ++i) {
    strTimes[i] = pPair->m_tTimestamps[i].Format("%H,%M,%S");
    strAges[i] = SlotAge(pPair, i);
  }
  m_pApp->WriteLog(3, "%s -> %s {timestamps = \"%s : %s\", \"%s : %s\", \"%s : %s\"}", pPair->m_strGateway.GetString(),
                   pPair->m_strServer.GetString(), strTimes[0].GetString(), strAges[0].GetString(),
                   strTimes[1].GetString(), strAges[1].GetString(), strTimes[2].GetString(), strAges[2].GetString());
}
