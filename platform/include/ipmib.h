// The IPv4 tables of the IP helper: routes, addresses and the neighbour (ARP) table.
#pragma once

#include "winnt.h"

#ifndef ANY_SIZE
#define ANY_SIZE 1
#endif
#define MAXLEN_PHYSADDR 8

typedef ULONG IF_INDEX;

typedef enum {
  MIB_IPROUTE_TYPE_OTHER = 1,
  MIB_IPROUTE_TYPE_INVALID = 2,
  MIB_IPROUTE_TYPE_DIRECT = 3,
  MIB_IPROUTE_TYPE_INDIRECT = 4,
} MIB_IPFORWARD_TYPE;

typedef enum {
  MIB_IPPROTO_OTHER = 1,
  MIB_IPPROTO_LOCAL = 2,
  MIB_IPPROTO_NETMGMT = 3,
  MIB_IPPROTO_ICMP = 4,
  MIB_IPPROTO_EGP = 5,
  MIB_IPPROTO_GGP = 6,
  MIB_IPPROTO_HELLO = 7,
  MIB_IPPROTO_RIP = 8,
  MIB_IPPROTO_IS_IS = 9,
  MIB_IPPROTO_ES_IS = 10,
  MIB_IPPROTO_CISCO = 11,
  MIB_IPPROTO_BBN = 12,
  MIB_IPPROTO_OSPF = 13,
  MIB_IPPROTO_BGP = 14,
  MIB_IPPROTO_NT_AUTOSTATIC = 10002,
  MIB_IPPROTO_NT_STATIC = 10006,
  MIB_IPPROTO_NT_STATIC_NON_DOD = 10007,
} MIB_IPFORWARD_PROTO;

// A metric a route does not use.
#define MIB_IPROUTE_METRIC_UNUSED ((DWORD)-1)

typedef struct _MIB_IPFORWARDROW {
  DWORD dwForwardDest;
  DWORD dwForwardMask;
  DWORD dwForwardPolicy;
  DWORD dwForwardNextHop;
  IF_INDEX dwForwardIfIndex;
  union {
    DWORD dwForwardType;
    MIB_IPFORWARD_TYPE ForwardType;
  };
  union {
    DWORD dwForwardProto;
    MIB_IPFORWARD_PROTO ForwardProto;
  };
  DWORD dwForwardAge;
  DWORD dwForwardNextHopAS;
  DWORD dwForwardMetric1;
  DWORD dwForwardMetric2;
  DWORD dwForwardMetric3;
  DWORD dwForwardMetric4;
  DWORD dwForwardMetric5;
} MIB_IPFORWARDROW, *PMIB_IPFORWARDROW;

typedef struct _MIB_IPFORWARDTABLE {
  DWORD dwNumEntries;
  MIB_IPFORWARDROW table[ANY_SIZE];
} MIB_IPFORWARDTABLE, *PMIB_IPFORWARDTABLE;

// MIB_IPADDRROW's wType.
#define MIB_IPADDR_PRIMARY 0x0001
#define MIB_IPADDR_DYNAMIC 0x0004
#define MIB_IPADDR_DISCONNECTED 0x0008
#define MIB_IPADDR_DELETED 0x0040
#define MIB_IPADDR_TRANSIENT 0x0080

typedef struct _MIB_IPADDRROW {
  DWORD dwAddr;
  IF_INDEX dwIndex;
  DWORD dwMask;
  DWORD dwBCastAddr;
  DWORD dwReasmSize;
  unsigned short unused1;
  unsigned short wType;
} MIB_IPADDRROW, *PMIB_IPADDRROW;

typedef struct _MIB_IPADDRTABLE {
  DWORD dwNumEntries;
  MIB_IPADDRROW table[ANY_SIZE];
} MIB_IPADDRTABLE, *PMIB_IPADDRTABLE;

typedef enum {
  MIB_IPNET_TYPE_OTHER = 1,
  MIB_IPNET_TYPE_INVALID = 2,
  MIB_IPNET_TYPE_DYNAMIC = 3,
  MIB_IPNET_TYPE_STATIC = 4,
} MIB_IPNET_TYPE;

typedef struct _MIB_IPNETROW {
  IF_INDEX dwIndex;
  DWORD dwPhysAddrLen;
  BYTE bPhysAddr[MAXLEN_PHYSADDR];
  DWORD dwAddr;
  union {
    DWORD dwType;
    MIB_IPNET_TYPE Type;
  };
} MIB_IPNETROW, *PMIB_IPNETROW;

typedef struct _MIB_IPNETTABLE {
  DWORD dwNumEntries;
  MIB_IPNETROW table[ANY_SIZE];
} MIB_IPNETTABLE, *PMIB_IPNETTABLE;

// The rows hold no pointer: their sizes are those of 32-bit and 64-bit Windows alike.
#ifdef __cplusplus
static_assert(sizeof(MIB_IPFORWARDROW) == 56 && sizeof(MIB_IPFORWARDTABLE) == 60, "the route rows");
static_assert(sizeof(MIB_IPADDRROW) == 24 && sizeof(MIB_IPADDRTABLE) == 28, "the address rows");
static_assert(sizeof(MIB_IPNETROW) == 24 && sizeof(MIB_IPNETTABLE) == 28, "the neighbour rows");
#endif
