// IPv4 addresses inside the machine: a uint32_t in network byte order, exactly what inet_addr
// returns and what the MIB rows hold (192.168.1.1 is the bytes C0 A8 01 01 in memory).
#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::net {

// Between network order and the host's numeric order (for masks, prefixes, sorting).
constexpr uint32_t swap_order(uint32_t value) {
  if constexpr (std::endian::native == std::endian::little)
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
  return value;
}
constexpr uint32_t numeric(uint32_t address) { return swap_order(address); }
constexpr uint32_t from_numeric(uint32_t value) { return swap_order(value); }

constexpr uint32_t ipv4(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  return from_numeric(uint32_t(a) << 24 | uint32_t(b) << 16 | uint32_t(c) << 8 | d);
}

constexpr uint32_t kLoopbackAddress = ipv4(127, 0, 0, 1);
constexpr uint32_t kHostMask = 0xFFFFFFFFu;

// "192.168.1.1".
std::string dotted(uint32_t address);
// Exactly four decimal parts of 0..255, nothing else.
std::optional<uint32_t> parse_dotted(std::string_view text);

// A mask of contiguous leading ones (0.0.0.0 and 255.255.255.255 included).
bool is_mask(uint32_t mask);
int prefix_length(uint32_t mask);
bool is_loopback(uint32_t address);
inline bool on_network(uint32_t address, uint32_t network_address, uint32_t mask) {
  return (address & mask) == (network_address & mask);
}

}  // namespace platform::net
