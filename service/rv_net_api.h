// The Windows networking interfaces of the service: sockets, IP helper, ICMP echo and RAS, in
// the order their headers need (the interface rows of netioapi.h before the IP helper's).
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <netioapi.h>
#include <iphlpapi.h>
#include <icmpapi.h>
#include <ras.h>
#include <raserror.h>
