#include "net/interfaces.h"

#include <algorithm>

#include "kernel/machine.h"
#include "net/address.h"
#include "net/world.h"

namespace platform::net {
namespace {

Interface loopback() {
  return {kLoopbackIndex, InterfaceKind::loopback, "Loopback Pseudo-Interface 1", "Software Loopback Interface 1",
          {}, kLoopbackMetric, {{kLoopbackAddress, ipv4(255, 0, 0, 0), kLoopbackIndex, false}}, {}, 0};
}

void add_added_addresses(std::vector<Interface>& list) {
  machine::Statement s("SELECT context, if_index, address, mask FROM net_addresses ORDER BY context");
  while (s.step()) {
    uint32_t index = uint32_t(s.column_int(1));
    for (Interface& i : list)
      if (i.index == index)
        i.addresses.push_back({uint32_t(s.column_int(2)), uint32_t(s.column_int(3)), uint32_t(s.column_int(0)), true});
  }
}

}  // namespace

namespace {

std::vector<PppConnection> (*&ppp_source())() {
  static std::vector<PppConnection> (*source)() = nullptr;
  return source;
}

}  // namespace

void attach_ppp_connections(std::vector<PppConnection> (*source)()) { ppp_source() = source; }

std::vector<PppConnection> ppp_connections() { return ppp_source() ? ppp_source()() : std::vector<PppConnection>{}; }

std::vector<Interface> interfaces() {
  std::vector<Interface> list{loopback()};
  for (Adapter& a : adapters())
    list.push_back({a.index, InterfaceKind::ethernet, a.name, a.description, a.mac, a.metric,
                    {{a.address, a.mask, a.index, false}}, a.gateways, 0});
  add_added_addresses(list);
  for (PppConnection& c : ppp_connections())
    list.push_back({c.if_index, InterfaceKind::ppp, c.entry, c.entry, {}, kPppMetric,
                    {{c.client, kHostMask, c.if_index, false}}, {}, c.tunnel});
  return list;
}

std::optional<Interface> find_interface(uint32_t index) {
  for (Interface& i : interfaces())
    if (i.index == index) return std::move(i);
  return std::nullopt;
}

bool is_local_address(uint32_t address) {
  if (is_loopback(address)) return true;
  for (const Interface& i : interfaces())
    for (const LocalAddress& a : i.addresses)
      if (a.address == address) return true;
  return false;
}

}  // namespace platform::net
