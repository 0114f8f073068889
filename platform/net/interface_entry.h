// GetIpInterfaceEntry lives under another name: programs reach it only through
// GetProcAddress on Iphlpapi.dll, as on a Windows that may lack it.
#pragma once

#include <netioapi.h>

namespace platform::net {

DWORD WINAPI get_ip_interface_entry(PMIB_IPINTERFACE_ROW row);

}  // namespace platform::net
