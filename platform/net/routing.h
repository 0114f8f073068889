// Which way a packet goes and what it costs.
#pragma once

#include <cstdint>
#include <optional>

namespace platform::net {

// The route the table chooses for a destination: longest prefix, then lowest metric. For a
// destination on a local network (an on-link row), next_hop is the destination itself.
struct Hop {
  uint32_t next_hop;
  uint32_t if_index;
  bool local;
};
std::optional<Hop> route_to(uint32_t destination);

// The round trip of the path to `destination` through `next_hop`, in machine ms as the world
// gives it; nothing when the path is down (link lost, router down, destination down, nothing
// there). The same answer every time: what a connection's health depends on.
std::optional<int> path_delay_ms(uint32_t next_hop, uint32_t destination);

// What one packet to `destination` through `next_hop` costs: path_delay_ms, except that a link's
// loss percentage may draw it lost.
std::optional<int> round_trip_ms(uint32_t next_hop, uint32_t destination);

}  // namespace platform::net
