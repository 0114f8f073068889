// Whether a VPN server can be reached now, and what a round trip to it costs.
#pragma once

#include <cstdint>
#include <optional>

namespace platform::ras {

struct ServerPath {
  uint32_t next_hop = 0;  // network byte order
  int round_trip_ms = 0;
};

// Nothing when no route leads to the server, its router is down, its link is lost or the
// server itself is down or unknown. A link that only loses some packets still carries the
// tunnel (its protocols retransmit), so the answer does not depend on a loss draw.
std::optional<ServerPath> server_path(uint32_t server_address);

}  // namespace platform::ras
