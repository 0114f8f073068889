#include "default_gateways.h"

#include <windows.h>
#include <iphlpapi.h>

#include <vector>

CString ListDefaultGateways() {
  ULONG nSize = 0;
  if (GetAdaptersInfo(nullptr, &nSize) != ERROR_BUFFER_OVERFLOW) return CString();
  // IP_ADAPTER_INFO records hold pointers: the buffer must keep their alignment.
  std::vector<ULONGLONG> buffer((nSize + sizeof(ULONGLONG) - 1) / sizeof(ULONGLONG));
  IP_ADAPTER_INFO* pAdapters = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  if (GetAdaptersInfo(pAdapters, &nSize) != NO_ERROR) return CString();
  CString strList;
  for (const IP_ADAPTER_INFO* pAdapter = pAdapters; pAdapter != nullptr; pAdapter = pAdapter->Next)
    for (const IP_ADDR_STRING* pGateway = &pAdapter->GatewayList; pGateway != nullptr; pGateway = pGateway->Next)
      strList += CString(pGateway->IpAddress.String) + L" ";
  return strList.Trim();
}

int FindGatewayInList(const CString& strGateways, const CString& strRouter) {
  CString strDigits = strRouter;
  strDigits.Remove(L'.');
  strDigits.Remove(L'0');
  if (strDigits.IsEmpty()) return 0;
  int nPosition = 0;
  for (;;) {
    int nStart = nPosition;
    CString strAddress = strGateways.Tokenize(L" ", nPosition);
    if (nPosition < 0) return -1;
    if (strAddress == strRouter) return strGateways.Find(strAddress, nStart) + 1;
  }
}
