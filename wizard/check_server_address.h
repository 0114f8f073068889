// Whether a server the user entered can be dialled: a literal IPv4 address must lie outside the
// reserved ranges, a name must resolve. No packet is sent to the server.
#pragma once

#include <windows.h>

#include "cstringt.h"

// The address in network byte order, as inet_addr gives it: false when it lies in one of the
// reserved IPv4 ranges (this network, shared, loopback, link-local, protocol assignments, the
// documentation and benchmark networks, multicast, future use). Private networks are accepted.
bool IsPublicAddress(ULONG ulAddress);

// A literal address is judged by IsPublicAddress; anything else must resolve to an address whose
// first byte is not 255 (the limited broadcast, which inet_addr cannot tell from an error,
// comes this way). The text is converted in the thread's code page.
bool CheckServerAddress(const CString& strServer);
