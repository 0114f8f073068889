// The adapters: GetAdaptersInfo, GetInterfaceInfo, IpReleaseAddress, IpRenewAddress.
#include <iphlpapi.h>

#include <cstring>

#include "kernel/text.h"
#include "net/adapter_names.h"
#include "net/address.h"
#include "net/interfaces.h"

using namespace platform;
using namespace platform::net;

namespace {

// Adapters in the sense of GetAdaptersInfo: the network cards and the live PPP links.
std::vector<Interface> adapter_interfaces() {
  std::vector<Interface> list = interfaces();
  std::erase_if(list, [](const Interface& i) { return i.kind == InterfaceKind::loopback; });
  return list;
}

template <size_t N>
void put(char (&field)[N], const std::string& value) {
  std::strncpy(field, value.c_str(), N - 1);
}

void put_address(IP_ADDR_STRING& entry, uint32_t address, uint32_t mask, DWORD context) {
  put(entry.IpAddress.String, dotted(address));
  put(entry.IpMask.String, dotted(mask));
  entry.Context = context;
}

// The next entry of a record's list: the record's own first, then the spare ones after the records.
IP_ADDR_STRING& append(IP_ADDR_STRING& head, IP_ADDR_STRING*& last, IP_ADDR_STRING*& spare) {
  IP_ADDR_STRING* entry = last ? spare++ : &head;
  if (last) last->Next = entry;
  last = entry;
  return *entry;
}

// The entries a record's lists need beyond the two it holds itself.
size_t spare_entries(const Interface& i) {
  return i.addresses.size() - 1 + (i.gateways.empty() ? 0 : i.gateways.size() - 1);
}

void fill(IP_ADAPTER_INFO& info, const Interface& i, IP_ADDR_STRING*& spare) {
  info.ComboIndex = i.index;
  put(info.AdapterName, adapter_guid(i.index));
  put(info.Description, i.description);
  info.AddressLength = 6;
  std::memcpy(info.Address, i.mac.data(), 6);
  info.Index = i.index;
  info.Type = i.kind == InterfaceKind::ppp ? MIB_IF_TYPE_PPP : MIB_IF_TYPE_ETHERNET;
  IP_ADDR_STRING* last = nullptr;
  for (const LocalAddress& a : i.addresses) put_address(append(info.IpAddressList, last, spare), a.address, a.mask, a.context);
  last = nullptr;
  for (uint32_t gateway : i.gateways) put_address(append(info.GatewayList, last, spare), gateway, kHostMask, 0);
  // Without a gateway the list holds the one entry 0.0.0.0.
  if (i.gateways.empty()) put_address(info.GatewayList, 0, 0, 0);
}

bool names_adapter(const IP_ADAPTER_INDEX_MAP* map, const Interface& i) {
  size_t length = 0;
  while (length < MAX_ADAPTER_NAME && map->Name[length]) ++length;
  return text::iequals(text::from_wide(map->Name, length), text::utf16(device_name(i.index)));
}

// Every adapter's address is set by hand in this machine's world: there is no lease to give
// back or to renew, so a known adapter is answered with success and keeps its address.
DWORD lease_request(PIP_ADAPTER_INDEX_MAP map) {
  if (!map || !map->Name[0]) return ERROR_INVALID_PARAMETER;
  for (const Interface& i : adapter_interfaces())
    if (i.kind == InterfaceKind::ethernet && names_adapter(map, i)) return NO_ERROR;
  return ERROR_INVALID_PARAMETER;
}

}  // namespace

extern "C" {

ULONG WINAPI GetAdaptersInfo(PIP_ADAPTER_INFO AdapterInfo, PULONG SizePointer) {
  if (!SizePointer) return ERROR_INVALID_PARAMETER;
  std::vector<Interface> list = adapter_interfaces();
  if (list.empty()) return ERROR_NO_DATA;
  size_t extra = 0;
  for (const Interface& i : list) extra += spare_entries(i);
  ULONG needed = ULONG(list.size() * sizeof(IP_ADAPTER_INFO) + extra * sizeof(IP_ADDR_STRING));
  if (!AdapterInfo || *SizePointer < needed) {
    *SizePointer = needed;
    return ERROR_BUFFER_OVERFLOW;
  }
  std::memset(AdapterInfo, 0, needed);
  // The records first, then the further addresses the records' lists point to.
  IP_ADDR_STRING* spare = reinterpret_cast<IP_ADDR_STRING*>(AdapterInfo + list.size());
  for (size_t n = 0; n < list.size(); ++n) {
    fill(AdapterInfo[n], list[n], spare);
    if (n + 1 < list.size()) AdapterInfo[n].Next = &AdapterInfo[n + 1];
  }
  return NO_ERROR;
}

DWORD WINAPI GetInterfaceInfo(PIP_INTERFACE_INFO pIfTable, PULONG dwOutBufLen) {
  if (!dwOutBufLen) return ERROR_INVALID_PARAMETER;
  std::vector<Interface> list = adapter_interfaces();
  std::erase_if(list, [](const Interface& i) { return i.kind != InterfaceKind::ethernet; });
  if (list.empty()) return ERROR_NO_DATA;
  ULONG needed = ULONG(offsetof(IP_INTERFACE_INFO, Adapter) + list.size() * sizeof(IP_ADAPTER_INDEX_MAP));
  if (!pIfTable || *dwOutBufLen < needed) {
    *dwOutBufLen = needed;
    return ERROR_INSUFFICIENT_BUFFER;
  }
  pIfTable->NumAdapters = LONG(list.size());
  IP_ADAPTER_INDEX_MAP* maps = pIfTable->Adapter;
  for (size_t n = 0; n < list.size(); ++n) {
    IP_ADAPTER_INDEX_MAP& map = maps[n];
    map = {};
    map.Index = list[n].index;
    std::u16string name = text::utf16(device_name(list[n].index));
    std::memcpy(map.Name, name.c_str(), (name.size() + 1) * sizeof(char16_t));
  }
  return NO_ERROR;
}

DWORD WINAPI IpReleaseAddress(PIP_ADAPTER_INDEX_MAP AdapterInfo) { return lease_request(AdapterInfo); }

DWORD WINAPI IpRenewAddress(PIP_ADAPTER_INDEX_MAP AdapterInfo) { return lease_request(AdapterInfo); }

}  // extern "C"
