#include "net/echo.h"

#include "net/interfaces.h"
#include "net/routing.h"
#include "net/world.h"

namespace platform::net {
namespace {

EchoOutcome answer(std::optional<int> round_trip) {
  return round_trip ? EchoOutcome{EchoOutcome::reply, *round_trip} : EchoOutcome{EchoOutcome::lost};
}

bool answers_echo(uint32_t address) {
  auto server = vpn_server_at(address);
  return !server || server->answers_echo;
}

}  // namespace

EchoOutcome echo(uint32_t destination) {
  if (is_local_address(destination)) return {EchoOutcome::reply, 0};
  std::vector<PppConnection> connections = ppp_connections();
  for (const PppConnection& c : connections) {
    if (c.tunnel != destination) continue;
    auto hop = route_to(c.server);
    if (!hop || !vpn_server_at(c.server) || !answers_echo(c.server)) return {EchoOutcome::lost};
    return answer(round_trip_ms(hop->next_hop, c.server));
  }
  auto hop = route_to(destination);
  if (!hop) return {EchoOutcome::no_route};
  // Nothing is known to live behind a tunnel but its far end.
  for (const PppConnection& c : connections)
    if (c.if_index == hop->if_index) return {EchoOutcome::lost};
  if (!answers_echo(destination)) return {EchoOutcome::lost};
  return answer(round_trip_ms(hop->next_hop, destination));
}

}  // namespace platform::net
