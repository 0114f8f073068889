#include "net/routing.h"

#include <iphlpapi.h>

#include <random>

#include "net/address.h"
#include "net/interfaces.h"
#include "net/route_table.h"
#include "net/world.h"

namespace platform::net {
namespace {

// A neighbour on a local network that no link of the world describes answers this fast.
constexpr int kNeighbourMs = 1;

// Whether a router lives at `address`, and whether it is up.
std::optional<bool> router_state(uint32_t address) {
  for (const Router& r : routers())
    if (r.address == address) return r.up;
  return std::nullopt;
}

// Whether something lives at `address` (a router, a VPN server, a named host), and whether it is up.
std::optional<bool> destination_state(uint32_t address) {
  if (auto state = router_state(address)) return state;
  if (auto server = vpn_server_at(address)) return server->up;
  for (const Host& h : hosts())
    if (h.address == address) return true;
  return std::nullopt;
}

std::optional<Link> link_between(uint32_t next_hop, uint32_t destination) {
  for (const Link& l : links())
    if (l.next_hop == next_hop && l.destination == destination) return l;
  return std::nullopt;
}

bool draws_loss(int percent) {
  if (percent <= 0) return false;
  thread_local std::mt19937 random{std::random_device{}()};
  return std::uniform_int_distribution<int>(1, 100)(random) <= percent;
}

}  // namespace

std::optional<Hop> route_to(uint32_t destination) {
  std::optional<RouteRow> best;
  for (const RouteRow& row : route_rows()) {
    if (!on_network(destination, row.destination, row.mask)) continue;
    if (!best || prefix_length(row.mask) > prefix_length(best->mask) ||
        (row.mask == best->mask && row.metric < best->metric))
      best = row;
  }
  if (!best) return std::nullopt;
  bool local = best->type == MIB_IPROUTE_TYPE_DIRECT;
  return Hop{local ? destination : best->next_hop, best->if_index, local};
}

std::optional<int> path_delay_ms(uint32_t next_hop, uint32_t destination) {
  if (is_local_address(destination)) return 0;
  if (next_hop != destination && router_state(next_hop) != true) return std::nullopt;
  auto state = destination_state(destination);
  if (state == false) return std::nullopt;
  if (auto link = link_between(next_hop, destination)) return link->lost ? std::nullopt : std::optional<int>(link->delay_ms);
  if (next_hop == destination && state) return kNeighbourMs;
  return std::nullopt;
}

std::optional<int> round_trip_ms(uint32_t next_hop, uint32_t destination) {
  auto delay = path_delay_ms(next_hop, destination);
  if (!delay) return std::nullopt;
  auto link = link_between(next_hop, destination);
  if (link && draws_loss(link->loss_percent)) return std::nullopt;
  return delay;
}

}  // namespace platform::net
