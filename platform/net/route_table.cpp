#include "net/route_table.h"

#include <iphlpapi.h>

#include "machine/clock.h"
#include "kernel/machine.h"
#include "net/address.h"
#include "net/interfaces.h"

namespace platform::net {
namespace {

// Windows adds this to the interface metric for the rows of the interface's own addresses.
constexpr uint32_t kOnLinkMetric = 256;
constexpr uint32_t kMulticast = ipv4(224, 0, 0, 0);
constexpr uint32_t kMulticastMask = ipv4(240, 0, 0, 0);
constexpr uint32_t kBroadcast = ipv4(255, 255, 255, 255);

void own_rows(const Interface& i, uint32_t age_s, std::vector<RouteRow>& rows) {
  auto on_link = [&](uint32_t destination, uint32_t mask, uint32_t address) {
    rows.push_back({destination, mask, address, i.index, MIB_IPROUTE_TYPE_DIRECT, MIB_IPPROTO_LOCAL,
                    i.metric + kOnLinkMetric, age_s, false});
  };
  for (uint32_t gateway : i.gateways)
    rows.push_back({0, 0, gateway, i.index, MIB_IPROUTE_TYPE_INDIRECT, MIB_IPPROTO_NETMGMT, i.metric, age_s, false});
  for (const LocalAddress& a : i.addresses) {
    if (a.mask != kHostMask) on_link(a.address & a.mask, a.mask, a.address);
    on_link(a.address, kHostMask, a.address);
    if (a.mask != kHostMask) on_link(a.address | ~a.mask, kHostMask, a.address);
  }
  if (i.kind != InterfaceKind::ppp) {
    on_link(kMulticast, kMulticastMask, i.addresses.front().address);
    on_link(kBroadcast, kHostMask, i.addresses.front().address);
  }
}

bool holds_address(const Interface& i, uint32_t address) {
  for (const LocalAddress& a : i.addresses)
    if (a.address == address) return true;
  return false;
}

}  // namespace

std::vector<RouteRow> route_rows() {
  std::vector<Interface> list = interfaces();
  uint32_t boot_age = uint32_t(clock::since_boot_ms() / 1000);
  std::vector<RouteRow> rows;
  for (const Interface& i : list) own_rows(i, boot_age, rows);
  int64_t now = clock::now_ns();
  machine::Statement s("SELECT destination, mask, next_hop, if_index, metric, added_ns FROM net_routes ORDER BY id");
  while (s.step()) {
    uint32_t if_index = uint32_t(s.column_int(3));
    for (const Interface& i : list) {
      if (i.index != if_index) continue;
      uint32_t next_hop = uint32_t(s.column_int(2));
      uint32_t type = holds_address(i, next_hop) ? MIB_IPROUTE_TYPE_DIRECT : MIB_IPROUTE_TYPE_INDIRECT;
      rows.push_back({uint32_t(s.column_int(0)), uint32_t(s.column_int(1)), next_hop, if_index, type,
                      MIB_IPPROTO_NETMGMT, uint32_t(s.column_int(4)), uint32_t((now - s.column_int(5)) / 1000000000),
                      true});
    }
  }
  return rows;
}

}  // namespace platform::net
