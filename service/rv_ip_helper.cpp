// Host routes and the route table.
#include "rv_ip_helper.h"

#include <stdlib.h>
#include <string.h>

#include "tarvolt_app.h"

namespace {

const char kHostMask[] = "255.255.255.255";
const DWORD kUnusedMetric = 0xFFFFFFFF;
// The table may grow between the size query and the read while other threads add routes.
const int kTableReadAttempts = 5;

}  // namespace

RV_IpHelper::RV_IpHelper(RV_TarvoltApp* pApp) : m_pApp(pApp), m_ulNTEContext(0) {}

RV_IpHelper::~RV_IpHelper() {}

CString RV_IpHelper::Dotted(DWORD dwAddress) {
  in_addr address;
  address.s_addr = dwAddress;
  return CString(inet_ntoa(address));
}

PMIB_IPFORWARDTABLE RV_IpHelper::ReadRouteTable(const char* pszOperation) {
  PMIB_IPFORWARDTABLE pTable = nullptr;
  ULONG cbTable = 0;
  DWORD dwResult = GetIpForwardTable(nullptr, &cbTable, FALSE);
  for (int attempt = 0; attempt < kTableReadAttempts && dwResult == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
    free(pTable);
    pTable = static_cast<PMIB_IPFORWARDTABLE>(malloc(cbTable));
    if (pTable == nullptr) {
      m_pApp->WriteLog(2, "RV_IpHelper::%s(): Malloc failed. Out of memory.", pszOperation);
      ExitProcess(1);
    }
    dwResult = GetIpForwardTable(pTable, &cbTable, FALSE);
  }
  if (dwResult != NO_ERROR) {
    m_pApp->WriteLog(2, "RV_IpHelper::%s(): getIpForwardTable failed.", pszOperation);
    free(pTable);
    ExitProcess(1);
  }
  return pTable;
}

bool RV_IpHelper::AddRoute(CString strServer, CString strMask, CString strGateway, int /*nUnused*/) {
  m_pApp->WriteLog(3, "RV_IpHelper::AddRoute Start");
  m_pApp->WriteLog(3, "ServerIP : %s", strServer.GetString());
  m_pApp->WriteLog(3, "New Gateway : %s", strGateway.GetString());
  DWORD dwDestination = inet_addr(GetIPFromName(strServer).GetString());
  if (dwDestination == INADDR_NONE) return false;
  DWORD dwMask = inet_addr(strMask.GetString());
  if (dwMask == INADDR_NONE && strMask != kHostMask) return false;
  DWORD dwNextHop = inet_addr(GetIPFromName(strGateway).GetString());
  if (dwNextHop == INADDR_NONE) {
    m_pApp->WriteLog(3, "RV_IpHelper::AddRoute Failed Exit");
    return false;
  }

  MIB_IPFORWARDROW row;
  memset(&row, 0, sizeof(row));
  row.dwForwardDest = dwDestination;
  row.dwForwardMask = dwMask;
  row.dwForwardNextHop = dwNextHop;
  row.dwForwardIfIndex = GetInterfaceIndex(dwNextHop);
  row.dwForwardType = MIB_IPROUTE_TYPE_DIRECT;
  row.dwForwardProto = MIB_IPPROTO_NETMGMT;
  row.dwForwardAge = 0xFFFFFFFF;
  row.dwForwardMetric1 = GetInterfaceMetric(row.dwForwardIfIndex);
  row.dwForwardMetric2 = kUnusedMetric;
  row.dwForwardMetric3 = kUnusedMetric;
  row.dwForwardMetric4 = kUnusedMetric;
  row.dwForwardMetric5 = kUnusedMetric;

  DWORD dwResult = CreateIpForwardEntry(&row);
  if (dwResult != NO_ERROR) {
    if (dwResult == ERROR_INVALID_PARAMETER)
      m_pApp->WriteLog(1, "Invalid Gateway parameter");
    else
      m_pApp->WriteLog(1, "Error: %lu", dwResult);
    m_pApp->WriteLog(3, "RV_IpHelper::AddRoute Failed Exit");
    return false;
  }
  m_pApp->WriteLog(3, "Gateway changed successfully");
  m_pApp->WriteLog(2, "Route for %s, changed to %s", strServer.GetString(), strGateway.GetString());
  m_pApp->WriteLog(3, "RV_IpHelper::AddRoute Success Exit");
  return true;
}

bool RV_IpHelper::DeleteRoute(CString strServer, CString strMask, CString strGateway) {
  PMIB_IPFORWARDTABLE pTable = ReadRouteTable("DeleteRoute");
  DWORD dwDestination = inet_addr(GetIPFromName(strServer).GetString());
  DWORD dwMask = inet_addr(strMask.GetString());
  DWORD dwNextHop = inet_addr(GetIPFromName(strGateway).GetString());
  for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
    MIB_IPFORWARDROW& row = pTable->table[i];
    if (row.dwForwardDest != dwDestination || row.dwForwardMask != dwMask || row.dwForwardNextHop != dwNextHop)
      continue;
    if (DeleteIpForwardEntry(&row) != NO_ERROR)
      m_pApp->WriteLog(2, "Could not delete the route : %s", Dotted(row.dwForwardDest).GetString());
    else
      m_pApp->WriteLog(2, "Route for %s, Deleted Sucessfully", strServer.GetString());
  }
  free(pTable);
  return true;
}

PMIB_IPFORWARDTABLE RV_IpHelper::GetDefaultGateways() { return ReadRouteTable("GetDefaultGateways"); }

void RV_IpHelper::SwitchGateway(int /*nUnused*/) {
  PMIB_IPFORWARDTABLE pTable = ReadRouteTable("SwitchGateway");
  MIB_IPFORWARDROW* pDefault = nullptr;
  for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
    const MIB_IPFORWARDROW& row = pTable->table[i];
    if (pDefault == nullptr && row.dwForwardDest == 0) {
      pDefault = static_cast<MIB_IPFORWARDROW*>(malloc(sizeof(MIB_IPFORWARDROW)));
      if (pDefault != nullptr) *pDefault = row;
    }
    m_pApp->WriteLog(1, " dwForwardDest  IP : %s", Dotted(row.dwForwardDest).GetString());
    m_pApp->WriteLog(1, "   dwForwardMask : %s", Dotted(row.dwForwardMask).GetString());
    m_pApp->WriteLog(1, "   dwForwardNextHop : %s\n", Dotted(row.dwForwardNextHop).GetString());
  }
  free(pDefault);
  free(pTable);
}

bool RV_IpHelper::DeleteAllManualRoutes(CString strMask) {
  PMIB_IPFORWARDTABLE pTable = ReadRouteTable("DeleteAllManualRoutes");
  DWORD dwMask = inet_addr(strMask.GetString());
  for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
    MIB_IPFORWARDROW& row = pTable->table[i];
    if (row.dwForwardMask != dwMask) continue;
    CString strDestination = Dotted(row.dwForwardDest);
    if (DeleteIpForwardEntry(&row) != NO_ERROR)
      m_pApp->WriteLog(2, "Could not delete the route : %s", strDestination.GetString());
    else
      m_pApp->WriteLog(2, "Route for %s, Deleted Sucessfully", strDestination.GetString());
  }
  free(pTable);
  return true;
}

void RV_IpHelper::PrintRouteTable() {
  m_pApp->WriteLog(3, "RV_IpHelper::PrintRouteTable Entry");
  PMIB_IPFORWARDTABLE pTable = ReadRouteTable("PrintRouteTable");
  for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
    const MIB_IPFORWARDROW& row = pTable->table[i];
    m_pApp->WriteLog(3, "IP -> %s:\t Mask -> %s:\t Gateway -> %s", Dotted(row.dwForwardDest).GetString(),
                     Dotted(row.dwForwardMask).GetString(), Dotted(row.dwForwardNextHop).GetString());
  }
  free(pTable);
  m_pApp->WriteLog(3, "RV_IpHelper::PrintRouteTable Exit");
}
