// The route table: GetIpForwardTable, CreateIpForwardEntry, DeleteIpForwardEntry.
#include <iphlpapi.h>

#include <tuple>

#include "machine/clock.h"
#include "kernel/machine.h"
#include "kernel/machine_signal.h"
#include "net/address.h"
#include "net/interfaces.h"
#include "net/route_table.h"
#include "net/table_out.h"

using namespace platform;
using namespace platform::net;

namespace {

MIB_IPFORWARDROW mib_row(const RouteRow& r) {
  MIB_IPFORWARDROW row{};
  row.dwForwardDest = r.destination;
  row.dwForwardMask = r.mask;
  row.dwForwardNextHop = r.next_hop;
  row.dwForwardIfIndex = r.if_index;
  row.dwForwardType = r.type;
  row.dwForwardProto = r.proto;
  row.dwForwardAge = r.age_s;
  row.dwForwardMetric1 = r.metric;
  row.dwForwardMetric2 = row.dwForwardMetric3 = row.dwForwardMetric4 = row.dwForwardMetric5 = MIB_IPROUTE_METRIC_UNUSED;
  return row;
}

// A next hop the interface can reach directly: on one of its networks, or for a PPP interface
// either end of the link.
bool reachable_from(const Interface& i, uint32_t next_hop) {
  if (i.kind == InterfaceKind::ppp && next_hop == i.peer) return true;
  for (const LocalAddress& a : i.addresses)
    if (on_network(next_hop, a.address, a.mask)) return true;
  return false;
}

bool well_formed(const MIB_IPFORWARDROW& r) {
  return r.dwForwardProto == MIB_IPPROTO_NETMGMT && is_mask(r.dwForwardMask) && (r.dwForwardDest & ~r.dwForwardMask) == 0;
}

bool same_route(const RouteRow& row, const MIB_IPFORWARDROW& r) {
  return row.destination == r.dwForwardDest && row.mask == r.dwForwardMask && row.next_hop == r.dwForwardNextHop &&
         row.if_index == r.dwForwardIfIndex;
}

// Rows added on interfaces that have gone (a connection that ended) go with them.
void forget_routes_of_gone_interfaces(const std::vector<Interface>& live) {
  std::vector<long long> gone;
  {
    machine::Statement s("SELECT id, if_index FROM net_routes");
    while (s.step()) {
      uint32_t index = uint32_t(s.column_int(1));
      if (std::none_of(live.begin(), live.end(), [&](const Interface& i) { return i.index == index; }))
        gone.push_back(s.column_int(0));
    }
  }
  for (long long id : gone) machine::Statement("DELETE FROM net_routes WHERE id = ?").bind(1, id).step();
}

}  // namespace

extern "C" {

DWORD WINAPI GetIpForwardTable(PMIB_IPFORWARDTABLE pIpForwardTable, PULONG pdwSize, BOOL bOrder) {
  std::vector<MIB_IPFORWARDROW> rows;
  for (const RouteRow& r : route_rows()) rows.push_back(mib_row(r));
  if (bOrder)
    sort_rows(rows, [](const MIB_IPFORWARDROW& r) {
      return std::make_tuple(numeric(r.dwForwardDest), r.dwForwardProto, r.dwForwardPolicy, numeric(r.dwForwardNextHop));
    });
  return copy_table(rows, pIpForwardTable, pdwSize);
}

DWORD WINAPI CreateIpForwardEntry(PMIB_IPFORWARDROW pRoute) {
  if (!pRoute || !well_formed(*pRoute)) return ERROR_INVALID_PARAMETER;
  machine::Transaction transaction;
  std::vector<Interface> live = interfaces();
  auto i = std::find_if(live.begin(), live.end(), [&](const Interface& x) { return x.index == pRoute->dwForwardIfIndex; });
  // The metric is the route's own plus the interface's, so it cannot be below the latter.
  if (i == live.end() || !reachable_from(*i, pRoute->dwForwardNextHop) || pRoute->dwForwardMetric1 < i->metric)
    return ERROR_INVALID_PARAMETER;
  for (const RouteRow& row : route_rows())
    if (same_route(row, *pRoute)) return ERROR_OBJECT_ALREADY_EXISTS;
  forget_routes_of_gone_interfaces(live);
  machine::Statement s(
      "INSERT INTO net_routes(destination, mask, next_hop, if_index, metric, added_ns) VALUES(?, ?, ?, ?, ?, ?)");
  s.bind(1, pRoute->dwForwardDest).bind(2, pRoute->dwForwardMask).bind(3, pRoute->dwForwardNextHop);
  s.bind(4, pRoute->dwForwardIfIndex).bind(5, pRoute->dwForwardMetric1).bind(6, clock::now_ns()).step();
  transaction.commit();
  machine_signal::bump("routes");
  return NO_ERROR;
}

DWORD WINAPI DeleteIpForwardEntry(PMIB_IPFORWARDROW pRoute) {
  if (!pRoute || pRoute->dwForwardIfIndex == 0 || !well_formed(*pRoute)) return ERROR_INVALID_PARAMETER;
  machine::Statement s("DELETE FROM net_routes WHERE destination = ? AND mask = ? AND next_hop = ? AND if_index = ?");
  s.bind(1, pRoute->dwForwardDest).bind(2, pRoute->dwForwardMask).bind(3, pRoute->dwForwardNextHop);
  s.bind(4, pRoute->dwForwardIfIndex).step();
  if (sqlite3_changes(machine::db()) == 0) return ERROR_NOT_FOUND;
  machine_signal::bump("routes");
  return NO_ERROR;
}

}  // extern "C"
