// The network world of the machine: adapters, routers, host names, VPN servers, the links
// between them and whether Routing and Remote Access runs. Kept in the machine database and
// read afresh on every call, since another process may change it at any time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::net {

// Addresses are in network byte order (see net/address.h).
struct Adapter {
  uint32_t index;
  std::string name;  // the connection's name, "Local Area Connection"
  uint32_t address, mask;
  std::vector<uint32_t> gateways;  // default gateways, one default route each; the first carries the traffic
  std::array<uint8_t, 6> mac;
  std::string description;
  uint32_t metric = 20;  // the interface metric (automatic metric of a 100 Mbit/s link)
};

struct Router {  // routers on the local networks, default gateways included
  uint32_t address;
  bool up;
};

// A port of a host that a server on this computer answers: connections to `port` of the host
// reach 127.0.0.1:`local`. Nothing else of a host is reachable, so no connection leaves the machine.
struct PortMapping {
  uint16_t port, local;
};

struct Host {  // name resolution; names compare case-insensitively
  std::string name;
  uint32_t address;  // 0: a known name without an address
  std::vector<PortMapping> ports = {};
};

struct Account {
  std::string user, password;
  std::optional<int> dials;  // how many more dials the server accepts with it; none: no limit
};

struct VpnServer {
  std::string host;
  uint32_t address;
  std::vector<Account> accounts;
  std::string psk;                     // "" = none
  uint32_t client_first, client_last;  // equal for a fixed address; a range hands out the lowest free one
  uint32_t tunnel;                     // server end of the tunnel (szServerIpAddress)
  int dial_ms;
  bool up;
  bool answers_echo;
};

struct Link {  // from a next hop to a destination
  uint32_t next_hop, destination;
  int delay_ms;  // the round trip an echo measures
  bool lost;
  int loss_percent;
};

// Names in the world (hosts, servers, adapters, users) compare case-insensitively.
bool same_name(std::string_view a, std::string_view b);

std::vector<Adapter> adapters();
std::vector<Router> routers();
// The host entries of the world, with their ports.
std::vector<Host> host_entries();
// The host names, then the VPN servers' names that no host entry names.
std::vector<Host> hosts();
std::vector<VpnServer> vpn_servers();
std::optional<VpnServer> vpn_server_at(uint32_t address);
std::vector<Link> links();
// Host names, then VPN server host names; nothing for an unknown name or one without an address.
std::optional<uint32_t> resolve(std::string_view name);
// The local port that a connection to `port` of `host` reaches; nothing when the world maps no
// such port. `host` is a host's name or, in dotted form, the address of a host entry.
std::optional<uint16_t> local_port(std::string_view host, uint16_t port);
// Counts one accepted dial against an account that has a limit.
void count_dial(const std::string& server, const std::string& user);

}  // namespace platform::net
