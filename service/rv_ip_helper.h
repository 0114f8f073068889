// The service's way to the IP helper, ICMP echo and Windows Sockets: host routes through a
// chosen router, echoes, the route and address tables, name lookups, and diagnostics that the
// service does not call. It keeps no state between calls; callers make one for a piece of work.
#pragma once

#include "rv_net_api.h"

#include "cstringt.h"

class RV_TarvoltApp;

class RV_IpHelper {
 public:
  explicit RV_IpHelper(RV_TarvoltApp* pApp);
  virtual ~RV_IpHelper();

  // A host route to the server through the gateway (names or dotted addresses).
  bool AddRoute(CString strServer, CString strMask, CString strGateway, int nUnused);
  // Deletes every route with this destination, mask and next hop; always true.
  bool DeleteRoute(CString strServer, CString strMask, CString strGateway);
  // One echo: the round-trip time in ms, or 0xFFFFFFFF when no reply came; the number of
  // replies in dwReplies.
  DWORD PingHost(CString strHost, DWORD dwTimeout, DWORD& dwReplies);
  // The whole route table; the caller releases it with free().
  PMIB_IPFORWARDTABLE GetDefaultGateways();
  // A name that starts with a letter, resolved to a dotted address (empty when it does not
  // resolve); anything else unchanged.
  CString GetIPFromName(CString strName);
  // The interface of the first address row whose network bits are all set in the next hop.
  DWORD GetInterfaceIndex(DWORD dwNextHop);
  DWORD GetInterfaceMetric(DWORD dwInterfaceIndex);
  void SwitchGateway(int nUnused);
  bool DeleteAllManualRoutes(CString strMask);
  void PrintRouteTable();

  // Diagnostics.
  void ListAdapters();
  void LogAdapterAddresses(const IP_ADAPTER_INFO* pAdapters);
  // The address table in a buffer for the caller (free()), null unless the answer is 0.
  DWORD GetAddrTable(PMIB_IPADDRTABLE& pTable);
  void LogAddrTable(const MIB_IPADDRTABLE* pTable);
  bool AddSampleAddress();
  // A context of 0 deletes the address that AddSampleAddress added.
  bool DeleteAddress(ULONG ulContext);
  bool ReleaseAddress();
  bool RenewAddress();
  void LogSystemError(DWORD dwError);
  // The ARP table for the caller (free()), logged; null when it cannot be read.
  PMIB_IPNETTABLE ListArpTable();
  void LogArpTable(const MIB_IPNETTABLE* pTable);
  void MakeFirstArpEntryStatic();

 private:
  // The route table in a heap buffer; ends the process with exit code 1 when it cannot be
  // allocated or read, after the operation's message.
  PMIB_IPFORWARDTABLE ReadRouteTable(const char* pszOperation);
  PMIB_IPNETTABLE ReadArpTable();
  bool ChangeAdapterLease(DWORD(WINAPI* pfnChange)(PIP_ADAPTER_INDEX_MAP));
  static CString Dotted(DWORD dwAddress);

  RV_TarvoltApp* m_pApp;
  ULONG m_ulNTEContext;
};
