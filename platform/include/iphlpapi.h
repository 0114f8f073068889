// The IP helper: route table, addresses, adapters, interfaces and the neighbour table.
#pragma once

#include "winnt.h"
#include "winerror.h"
#include "iprtrmib.h"
#include "ipexport.h"
#include "iptypes.h"
#include "netioapi.h"

#ifdef __cplusplus
extern "C" {
#endif

DWORD WINAPI GetIpForwardTable(PMIB_IPFORWARDTABLE pIpForwardTable, PULONG pdwSize, BOOL bOrder);
DWORD WINAPI CreateIpForwardEntry(PMIB_IPFORWARDROW pRoute);
DWORD WINAPI DeleteIpForwardEntry(PMIB_IPFORWARDROW pRoute);

ULONG WINAPI GetIpAddrTable(PMIB_IPADDRTABLE pIpAddrTable, PULONG pdwSize, BOOL bOrder);
DWORD WINAPI AddIPAddress(IPAddr Address, IPMask IpMask, DWORD IfIndex, PULONG NTEContext, PULONG NTEInstance);
DWORD WINAPI DeleteIPAddress(ULONG NTEContext);

ULONG WINAPI GetAdaptersInfo(PIP_ADAPTER_INFO AdapterInfo, PULONG SizePointer);
DWORD WINAPI GetInterfaceInfo(PIP_INTERFACE_INFO pIfTable, PULONG dwOutBufLen);
DWORD WINAPI IpReleaseAddress(PIP_ADAPTER_INDEX_MAP AdapterInfo);
DWORD WINAPI IpRenewAddress(PIP_ADAPTER_INDEX_MAP AdapterInfo);
DWORD WINAPI GetIfEntry(PMIB_IFROW pIfRow);

ULONG WINAPI GetIpNetTable(PMIB_IPNETTABLE IpNetTable, PULONG SizePointer, BOOL Order);
DWORD WINAPI SetIpNetEntry(PMIB_IPNETROW pArpEntry);

#ifdef __cplusplus
}
#endif
