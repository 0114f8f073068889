#include "net/address.h"

#include <charconv>

namespace platform::net {

std::string dotted(uint32_t address) {
  uint32_t n = numeric(address);
  return std::to_string(n >> 24) + "." + std::to_string((n >> 16) & 0xFF) + "." + std::to_string((n >> 8) & 0xFF) +
         "." + std::to_string(n & 0xFF);
}

std::optional<uint32_t> parse_dotted(std::string_view text) {
  uint32_t value = 0;
  const char* p = text.data();
  const char* end = text.data() + text.size();
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (p == end || *p != '.') return std::nullopt;
      ++p;
    }
    unsigned byte = 0;
    auto [next, error] = std::from_chars(p, end, byte);
    if (error != std::errc() || next == p || next - p > 3 || byte > 255) return std::nullopt;
    value = value << 8 | byte;
    p = next;
  }
  if (p != end) return std::nullopt;
  return from_numeric(value);
}

bool is_mask(uint32_t mask) {
  uint32_t n = numeric(mask);
  return (n | (n - 1)) == 0xFFFFFFFFu;
}

int prefix_length(uint32_t mask) { return std::popcount(mask); }

bool is_loopback(uint32_t address) { return (numeric(address) >> 24) == 127; }

}  // namespace platform::net
