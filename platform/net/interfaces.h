// The machine's IPv4 interfaces: the loopback, the world's adapters (with the addresses
// programs added to them) and the PPP interface of each live RAS connection.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::net {

enum class InterfaceKind { loopback, ethernet, ppp };

struct LocalAddress {
  uint32_t address, mask;
  uint32_t context;  // the NTE context; the primary address's is the interface index
  bool added;        // by AddIPAddress
};

struct Interface {
  uint32_t index;
  InterfaceKind kind;
  std::string name;         // the connection's name (adapter or phone-book entry)
  std::string description;
  std::array<uint8_t, 6> mac;
  uint32_t metric;
  std::vector<LocalAddress> addresses;  // the primary first
  std::vector<uint32_t> gateways;
  uint32_t peer = 0;  // a PPP interface's far end (the tunnel address)
};

constexpr uint32_t kLoopbackIndex = 1;
// What Windows gives the loopback and a PPP interface as automatic metrics.
constexpr uint32_t kLoopbackMetric = 50;
constexpr uint32_t kPppMetric = 1;

std::vector<Interface> interfaces();
std::optional<Interface> find_interface(uint32_t index);
// The loopback network or an address of one of the interfaces.
bool is_local_address(uint32_t address);

// A live RAS connection as the network sees it. The connections are RAS's: it attaches where
// they come from (before main); without it the machine has none.
struct PppConnection {
  uint32_t if_index;
  std::string entry;
  uint32_t client, tunnel, server;
};
void attach_ppp_connections(std::vector<PppConnection> (*source)());
std::vector<PppConnection> ppp_connections();

}  // namespace platform::net
