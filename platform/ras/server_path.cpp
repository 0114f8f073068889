#include "ras/server_path.h"

#include "net/routing.h"
#include "net/world.h"

namespace platform::ras {

std::optional<ServerPath> server_path(uint32_t server_address) {
  auto server = net::vpn_server_at(server_address);
  if (!server || !server->up) return std::nullopt;
  auto hop = net::route_to(server_address);
  if (!hop) return std::nullopt;
  auto delay = net::path_delay_ms(hop->next_hop, server_address);
  if (!delay) return std::nullopt;
  return ServerPath{hop->next_hop, *delay};
}

}  // namespace platform::ras
