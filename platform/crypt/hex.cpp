#include "crypt/hex.h"

#include "crypt/white_space.h"

namespace platform::crypt {

namespace {

int nibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<std::vector<unsigned char>> decode_hex(std::string_view text) {
  std::vector<unsigned char> bytes;
  int high = -1;
  for (char c : text) {
    if (is_white_space(c)) {
      if (high >= 0) return std::nullopt;  // a byte's two digits stand together
      continue;
    }
    const int value = nibble(c);
    if (value < 0) return std::nullopt;
    if (high < 0) {
      high = value;
    } else {
      bytes.push_back(static_cast<unsigned char>(high << 4 | value));
      high = -1;
    }
  }
  if (high >= 0) return std::nullopt;
  return bytes;
}

}  // namespace platform::crypt
