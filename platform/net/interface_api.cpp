// One interface's details: GetIfEntry, and GetIpInterfaceEntry (found at run time).
#include <winsock2.h>
#include <iphlpapi.h>

#include <algorithm>
#include <cstring>

#include "kernel/text.h"
#include "net/adapter_names.h"
#include "net/interface_entry.h"
#include "net/interfaces.h"

using namespace platform;
using namespace platform::net;

namespace {

constexpr DWORD kEthernetSpeed = 100'000'000;  // the 100 Mbit/s behind the automatic metric 20
constexpr DWORD kEthernetMtu = 1500;
constexpr DWORD kPppMtu = 1400;
constexpr DWORD kLoopbackMtu = 0xFFFFFFFF;

DWORD if_type(InterfaceKind kind) {
  switch (kind) {
    case InterfaceKind::loopback: return IF_TYPE_SOFTWARE_LOOPBACK;
    case InterfaceKind::ppp: return IF_TYPE_PPP;
    case InterfaceKind::ethernet: break;
  }
  return IF_TYPE_ETHERNET_CSMACD;
}

DWORD mtu(InterfaceKind kind) {
  switch (kind) {
    case InterfaceKind::loopback: return kLoopbackMtu;
    case InterfaceKind::ppp: return kPppMtu;
    case InterfaceKind::ethernet: break;
  }
  return kEthernetMtu;
}

}  // namespace

namespace platform::net {

DWORD WINAPI get_ip_interface_entry(PMIB_IPINTERFACE_ROW row) {
  if (!row || (row->Family != AF_INET && row->Family != AF_INET6)) return ERROR_INVALID_PARAMETER;
  if (row->Family == AF_INET6) return ERROR_NOT_FOUND;  // the machine speaks IPv4 only
  // The LUID names the interface when given, else the index does.
  uint32_t index = row->InterfaceLuid.Value ? uint32_t(row->InterfaceLuid.Info.NetLuidIndex) : row->InterfaceIndex;
  auto i = find_interface(index);
  if (!i) return ERROR_NOT_FOUND;
  ADDRESS_FAMILY family = row->Family;
  std::memset(row, 0, sizeof *row);
  row->Family = family;
  row->InterfaceLuid.Info.NetLuidIndex = i->index;
  row->InterfaceLuid.Info.IfType = if_type(i->kind);
  row->InterfaceIndex = i->index;
  row->MaxReassemblySize = 65535;
  row->UseAutomaticMetric = TRUE;
  row->UseNeighborUnreachabilityDetection = TRUE;
  row->RouterDiscoveryBehavior = RouterDiscoveryDhcp;
  row->DadTransmits = 3;
  row->BaseReachableTime = 30000;
  row->RetransmitTime = 1000;
  row->PathMtuDiscoveryTimeout = 600000;
  row->LinkLocalAddressBehavior = LinkLocalDelayed;
  row->LinkLocalAddressTimeout = 10000;
  row->ZoneIndices[ScopeLevelInterface] = row->ZoneIndices[ScopeLevelLink] = i->index;
  row->Metric = i->metric;
  row->NlMtu = mtu(i->kind);
  row->Connected = TRUE;
  row->SupportsNeighborDiscovery = i->kind == InterfaceKind::ethernet;
  row->SupportsRouterDiscovery = i->kind == InterfaceKind::ethernet;
  row->ReachableTime = 30000;
  return NO_ERROR;
}

}  // namespace platform::net

extern "C" DWORD WINAPI GetIfEntry(PMIB_IFROW pIfRow) {
  if (!pIfRow) return ERROR_INVALID_PARAMETER;
  auto i = find_interface(pIfRow->dwIndex);
  if (!i) return ERROR_INVALID_DATA;
  MIB_IFROW row{};
  std::u16string name = text::utf16(device_name(i->index));
  std::memcpy(row.wszName, name.c_str(), (name.size() + 1) * sizeof(char16_t));
  row.dwIndex = i->index;
  row.dwType = if_type(i->kind);
  row.dwMtu = mtu(i->kind);
  row.dwSpeed = kEthernetSpeed;
  row.dwPhysAddrLen = i->kind == InterfaceKind::loopback ? 0 : 6;
  std::memcpy(row.bPhysAddr, i->mac.data(), 6);
  row.dwAdminStatus = MIB_IF_ADMIN_STATUS_UP;
  row.dwOperStatus = IF_OPER_STATUS_OPERATIONAL;
  size_t length = std::min(i->description.size(), size_t(MAXLEN_IFDESCR - 1));
  std::memcpy(row.bDescr, i->description.data(), length);
  row.dwDescrLen = DWORD(length + 1);
  *pIfRow = row;
  return NO_ERROR;
}
