// Name lookups, the interface and metric of a route, and the ICMP echo; the functions that
// not every system has are looked up at run time.
#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include "record_size.h"
#include "rv_ip_helper.h"
#include "tarvolt_app.h"

namespace {

typedef DWORD(WINAPI* GetIpInterfaceEntryFn)(MIB_IPINTERFACE_ROW* pRow);
typedef HANDLE(WINAPI* IcmpCreateFileFn)();
typedef DWORD(WINAPI* IcmpSendEchoFn)(HANDLE hIcmp, IPAddr destination, LPVOID pRequest, WORD cbRequest,
                                      PIP_OPTION_INFORMATION pOptions, LPVOID pReply, DWORD cbReply,
                                      DWORD dwTimeout);
typedef BOOL(WINAPI* IcmpCloseHandleFn)(HANDLE hIcmp);

const WORD kWinsockVersion = 0x101;
const DWORD kNoReply = 0xFFFFFFFF;
const DWORD kUnknownMetric = 1;
// One reply and the 8 bytes that an ICMP error message adds, without request data.
const DWORD kEchoReplySize = sizeof(ICMP_ECHO_REPLY) + 8;
WIN32_RECORD_SIZE(kEchoReplySize, 36);

template <class Fn>
Fn LookUp(HMODULE hModule, const char* pszName) {
  if (hModule == nullptr) return nullptr;
  // Through the generic function type, so that the compiler accepts the conversion.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(hModule, pszName)));
}

}  // namespace

CString RV_IpHelper::GetIPFromName(CString strName) {
  WSADATA wsaData;
  if (WSAStartup(kWinsockVersion, &wsaData) != 0) return strName;
  CString strResult = strName;
  if (isalpha(static_cast<unsigned char>(strName.IsEmpty() ? 0 : strName[0]))) {
    int nLength = strName.GetLength();
    if (strName[nLength - 1] == '\n') strName.Truncate(nLength - 1);
    hostent* pHost = gethostbyname(strName.GetString());
    if (pHost != nullptr && pHost->h_addr_list[0] != nullptr) {
      in_addr address;
      memcpy(&address, pHost->h_addr_list[0], sizeof(address));
      strResult = inet_ntoa(address);
    } else {
      int nError = WSAGetLastError();
      strResult = nError == 0 ? strName : CString();
      if (nError == WSAHOST_NOT_FOUND)
        m_pApp->WriteLog(3, "RV_IpHelper::GetIPFromName : Host not found");
      else if (nError == WSANO_DATA)
        m_pApp->WriteLog(3, "RV_IpHelper::GetIPFromName : No data record found");
      else if (nError != 0)
        m_pApp->WriteLog(3, "RV_IpHelper::GetIPFromName : Function failed with error: %ld", static_cast<long>(nError));
    }
  }
  WSACleanup();
  return strResult;
}

DWORD RV_IpHelper::GetInterfaceIndex(DWORD dwNextHop) {
  PMIB_IPADDRTABLE pTable = nullptr;
  if (GetAddrTable(pTable) != NO_ERROR) return 0;
  DWORD dwIndex = 0;
  for (DWORD i = 0; i < pTable->dwNumEntries; ++i) {
    const MIB_IPADDRROW& row = pTable->table[i];
    if (row.dwMask == 0) continue;
    // Every bit of the row's network is set in the next hop.
    DWORD dwNetwork = row.dwAddr & row.dwMask;
    if ((dwNextHop & dwNetwork) == dwNetwork) {
      dwIndex = row.dwIndex;
      break;
    }
  }
  free(pTable);
  return dwIndex;
}

DWORD RV_IpHelper::GetInterfaceMetric(DWORD dwInterfaceIndex) {
  GetIpInterfaceEntryFn pfnGetEntry = LookUp<GetIpInterfaceEntryFn>(LoadLibraryA("Iphlpapi.dll"), "GetIpInterfaceEntry");
  if (pfnGetEntry == nullptr) return kUnknownMetric;
  MIB_IPINTERFACE_ROW row;
  memset(&row, 0, sizeof(row));
  row.Family = AF_INET;
  row.InterfaceIndex = dwInterfaceIndex;
  return pfnGetEntry(&row) == NO_ERROR ? row.Metric : kUnknownMetric;
}

DWORD RV_IpHelper::PingHost(CString strHost, DWORD dwTimeout, DWORD& dwReplies) {
  m_pApp->WriteLog(3, "RV_IpHelper::PingHost() Entry");
  HMODULE hModule = LoadLibraryA("Iphlpapi.dll");
  if (hModule != nullptr) hModule = LoadLibraryA("Icmp.dll");
  IcmpCreateFileFn pfnCreate = LookUp<IcmpCreateFileFn>(hModule, "IcmpCreateFile");
  IcmpSendEchoFn pfnSend = LookUp<IcmpSendEchoFn>(hModule, "IcmpSendEcho");
  IcmpCloseHandleFn pfnClose = LookUp<IcmpCloseHandleFn>(hModule, "IcmpCloseHandle");
  IPAddr address = inet_addr(GetIPFromName(strHost).GetString());

  union {
    ICMP_ECHO_REPLY reply;
    BYTE bytes[kEchoReplySize];
  } buffer;
  static_assert(sizeof(buffer) == kEchoReplySize, "the reply buffer has room for one reply and 8 bytes");
  memset(&buffer, 0, sizeof(buffer));
  buffer.reply.RoundTripTime = kNoReply;
  dwReplies = 0;
  if (pfnCreate != nullptr && pfnSend != nullptr && pfnClose != nullptr) {
    HANDLE hIcmp = pfnCreate();
    dwReplies = pfnSend(hIcmp, address, nullptr, 0, nullptr, &buffer, kEchoReplySize, dwTimeout);
    if (hIcmp != INVALID_HANDLE_VALUE) pfnClose(hIcmp);
  }
  m_pApp->WriteLog(3, "RV_IpHelper::PingHost() Exit");
  // A timed-out echo may still leave a record, with a time of 0, that is no answer.
  return dwReplies != 0 ? buffer.reply.RoundTripTime : kNoReply;
}
