// The rows of the IPv4 route table, as GetIpForwardTable lists them: each interface's own rows
// (its networks, addresses, broadcast and multicast, the default route through its gateway),
// then the rows programs added on interfaces that still exist.
#pragma once

#include <cstdint>
#include <vector>

namespace platform::net {

struct RouteRow {
  uint32_t destination, mask, next_hop, if_index;
  uint32_t type, proto;  // MIB_IPROUTE_TYPE_*, MIB_IPPROTO_*
  uint32_t metric;
  uint32_t age_s;
  bool added;  // by CreateIpForwardEntry
};

std::vector<RouteRow> route_rows();

}  // namespace platform::net
