// What an ICMP echo request meets on its way.
#pragma once

#include <cstdint>

namespace platform::net {

struct EchoOutcome {
  enum Kind { reply, lost, no_route } kind;
  int round_trip_ms = 0;  // of a reply
};

// The echo takes the route the table chooses; one to a connection's tunnel address travels
// inside the tunnel, through the route to the connection's server.
EchoOutcome echo(uint32_t destination);

}  // namespace platform::net
