// The interface records of the newer IP helper functions (Windows Vista and later).
#pragma once

#include <stddef.h>

#include "winnt.h"

typedef unsigned long long ULONG64;
typedef USHORT ADDRESS_FAMILY;
typedef ULONG NET_IFINDEX;
typedef DWORD NETIO_STATUS;
#define NETIOAPI_API NETIO_STATUS WINAPI

// The 64-bit members sit on 8-byte boundaries, as the Windows compiler places them.
typedef union alignas(8) _NET_LUID_LH {
  ULONG64 Value;
  struct {
    ULONG64 Reserved : 24;
    ULONG64 NetLuidIndex : 24;
    ULONG64 IfType : 16;
  } Info;
} NET_LUID_LH, *PNET_LUID_LH, NET_LUID, *PNET_LUID;

typedef enum {
  ScopeLevelInterface = 1,
  ScopeLevelLink = 2,
  ScopeLevelSubnet = 3,
  ScopeLevelAdmin = 4,
  ScopeLevelSite = 5,
  ScopeLevelOrganization = 8,
  ScopeLevelGlobal = 14,
  ScopeLevelCount = 16,
} SCOPE_LEVEL;

typedef enum {
  RouterDiscoveryDisabled = 0,
  RouterDiscoveryEnabled = 1,
  RouterDiscoveryDhcp = 2,
  RouterDiscoveryUnchanged = -1,
} NL_ROUTER_DISCOVERY_BEHAVIOR;

typedef enum {
  LinkLocalAlwaysOff = 0,
  LinkLocalDelayed = 1,
  LinkLocalAlwaysOn = 2,
  LinkLocalUnchanged = -1,
} NL_LINK_LOCAL_ADDRESS_BEHAVIOR;

typedef struct _NL_INTERFACE_OFFLOAD_ROD {
  BOOLEAN NlChecksumSupported : 1;
  BOOLEAN NlOptionsSupported : 1;
  BOOLEAN TlDatagramChecksumSupported : 1;
  BOOLEAN TlStreamChecksumSupported : 1;
  BOOLEAN TlStreamOptionsSupported : 1;
  BOOLEAN FastPathCompatible : 1;
  BOOLEAN TlLargeSendOffloadSupported : 1;
  BOOLEAN TlGiantSendOffloadSupported : 1;
} NL_INTERFACE_OFFLOAD_ROD, *PNL_INTERFACE_OFFLOAD_ROD;

typedef struct _MIB_IPINTERFACE_ROW {
  ADDRESS_FAMILY Family;
  NET_LUID InterfaceLuid;
  NET_IFINDEX InterfaceIndex;
  ULONG MaxReassemblySize;
  alignas(8) ULONG64 InterfaceIdentifier;
  ULONG MinRouterAdvertisementInterval;
  ULONG MaxRouterAdvertisementInterval;
  BOOLEAN AdvertisingEnabled;
  BOOLEAN ForwardingEnabled;
  BOOLEAN WeakHostSend;
  BOOLEAN WeakHostReceive;
  BOOLEAN UseAutomaticMetric;
  BOOLEAN UseNeighborUnreachabilityDetection;
  BOOLEAN ManagedAddressConfigurationSupported;
  BOOLEAN OtherStatefulConfigurationSupported;
  BOOLEAN AdvertiseDefaultRoute;
  NL_ROUTER_DISCOVERY_BEHAVIOR RouterDiscoveryBehavior;
  ULONG DadTransmits;
  ULONG BaseReachableTime;
  ULONG RetransmitTime;
  ULONG PathMtuDiscoveryTimeout;
  NL_LINK_LOCAL_ADDRESS_BEHAVIOR LinkLocalAddressBehavior;
  ULONG LinkLocalAddressTimeout;
  ULONG ZoneIndices[ScopeLevelCount];
  ULONG SitePrefixLength;
  ULONG Metric;
  ULONG NlMtu;
  BOOLEAN Connected;
  BOOLEAN SupportsWakeUpPatterns;
  BOOLEAN SupportsNeighborDiscovery;
  BOOLEAN SupportsRouterDiscovery;
  ULONG ReachableTime;
  NL_INTERFACE_OFFLOAD_ROD TransmitOffload;
  NL_INTERFACE_OFFLOAD_ROD ReceiveOffload;
  BOOLEAN DisableDefaultRoutes;
} MIB_IPINTERFACE_ROW, *PMIB_IPINTERFACE_ROW;

#ifdef __cplusplus
static_assert(sizeof(NET_LUID) == 8 && sizeof(MIB_IPINTERFACE_ROW) == 168, "the Windows interface record");
static_assert(offsetof(MIB_IPINTERFACE_ROW, InterfaceIndex) == 16 && offsetof(MIB_IPINTERFACE_ROW, Metric) == 148);
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Iphlpapi.dll exports it from Windows Vista on; programs find it with GetProcAddress.
NETIOAPI_API GetIpInterfaceEntry(PMIB_IPINTERFACE_ROW Row);

#ifdef __cplusplus
}
#endif
