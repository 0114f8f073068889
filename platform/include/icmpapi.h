// ICMP echo requests.
#pragma once

#include "winnt.h"
#include "ipexport.h"

#ifdef __cplusplus
extern "C" {
#endif

HANDLE WINAPI IcmpCreateFile(void);
BOOL WINAPI IcmpCloseHandle(HANDLE IcmpHandle);
// The reply buffer holds at least one ICMP_ECHO_REPLY, the request's data and 8 bytes more
// (room for an ICMP error message).
DWORD WINAPI IcmpSendEcho(HANDLE IcmpHandle, IPAddr DestinationAddress, LPVOID RequestData, WORD RequestSize,
                          PIP_OPTION_INFORMATION RequestOptions, LPVOID ReplyBuffer, DWORD ReplySize,
                          DWORD Timeout);

#ifdef __cplusplus
}
#endif
