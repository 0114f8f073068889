// The neighbour (ARP) table: GetIpNetTable, SetIpNetEntry. The routers of each adapter's
// network are there as learned entries, with made-up hardware addresses.
#include <iphlpapi.h>

#include <algorithm>
#include <cstring>

#include "kernel/machine.h"
#include "net/address.h"
#include "net/interfaces.h"
#include "net/table_out.h"
#include "net/world.h"

using namespace platform;
using namespace platform::net;

namespace {

// Locally administered, built from the router's address.
MIB_IPNETROW learned(uint32_t if_index, uint32_t address) {
  MIB_IPNETROW row{};
  row.dwIndex = if_index;
  row.dwPhysAddrLen = 6;
  BYTE mac[6] = {0x02, 0x52};
  std::memcpy(mac + 2, &address, 4);
  std::memcpy(row.bPhysAddr, mac, 6);
  row.dwAddr = address;
  row.dwType = MIB_IPNET_TYPE_DYNAMIC;
  return row;
}

std::vector<MIB_IPNETROW> neighbour_rows() {
  std::vector<MIB_IPNETROW> rows;
  std::vector<Router> known = routers();
  for (const Interface& i : interfaces()) {
    if (i.kind != InterfaceKind::ethernet) continue;
    for (const Router& r : known)
      if (on_network(r.address, i.addresses.front().address, i.addresses.front().mask))
        rows.push_back(learned(i.index, r.address));
  }
  machine::Statement s("SELECT if_index, address, mac, type FROM net_neighbours ORDER BY rowid");
  while (s.step()) {
    MIB_IPNETROW row{};
    row.dwIndex = uint32_t(s.column_int(0));
    row.dwAddr = uint32_t(s.column_int(1));
    std::string mac = s.column_blob(2);
    row.dwPhysAddrLen = DWORD(std::min(mac.size(), sizeof row.bPhysAddr));
    std::memcpy(row.bPhysAddr, mac.data(), row.dwPhysAddrLen);
    row.dwType = uint32_t(s.column_int(3));
    auto same = [&](const MIB_IPNETROW& r) { return r.dwIndex == row.dwIndex && r.dwAddr == row.dwAddr; };
    std::erase_if(rows, same);
    rows.push_back(row);
  }
  std::erase_if(rows, [](const MIB_IPNETROW& r) { return r.dwType == MIB_IPNET_TYPE_INVALID; });
  return rows;
}

}  // namespace

extern "C" {

ULONG WINAPI GetIpNetTable(PMIB_IPNETTABLE IpNetTable, PULONG SizePointer, BOOL Order) {
  if (!SizePointer) return ERROR_INVALID_PARAMETER;
  std::vector<MIB_IPNETROW> rows = neighbour_rows();
  if (rows.empty()) return ERROR_NO_DATA;
  if (Order) sort_rows(rows, [](const MIB_IPNETROW& r) { return numeric(r.dwAddr); });
  return copy_table(rows, IpNetTable, SizePointer);
}

// An entry set to MIB_IPNET_TYPE_INVALID is taken out of the table.
DWORD WINAPI SetIpNetEntry(PMIB_IPNETROW pArpEntry) {
  if (!pArpEntry || pArpEntry->dwPhysAddrLen > MAXLEN_PHYSADDR) return ERROR_INVALID_PARAMETER;
  auto i = find_interface(pArpEntry->dwIndex);
  if (!i || i->kind != InterfaceKind::ethernet) return ERROR_INVALID_PARAMETER;
  machine::Statement s(
      "INSERT INTO net_neighbours(if_index, address, mac, type) VALUES(?, ?, ?, ?)"
      " ON CONFLICT(if_index, address) DO UPDATE SET mac = excluded.mac, type = excluded.type");
  s.bind(1, pArpEntry->dwIndex).bind(2, pArpEntry->dwAddr);
  s.bind_blob(3, pArpEntry->bPhysAddr, int(pArpEntry->dwPhysAddrLen)).bind(4, pArpEntry->dwType).step();
  return NO_ERROR;
}

}  // extern "C"
