#include "crypt/base64.h"

#include "crypt/white_space.h"

namespace platform::crypt {

namespace {

int sextet(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::optional<std::vector<unsigned char>> decode_base64(std::string_view text) {
  std::vector<unsigned char> bytes;
  unsigned int bits = 0;
  int group = 0;  // characters of the current four-character group seen
  bool padded = false;
  for (char c : text) {
    if (is_white_space(c)) continue;
    if (c == '=') {
      // Padding only completes a group that already holds at least one byte.
      if (!padded && group < 2) return std::nullopt;
      padded = true;
      continue;
    }
    const int value = sextet(c);
    if (value < 0 || padded) return std::nullopt;
    bits = bits << 6 | static_cast<unsigned int>(value);
    if (++group == 4) {
      bytes.push_back(static_cast<unsigned char>(bits >> 16));
      bytes.push_back(static_cast<unsigned char>(bits >> 8));
      bytes.push_back(static_cast<unsigned char>(bits));
      bits = 0;
      group = 0;
    }
  }
  // A lone character cannot carry a byte; two carry one, three carry two.
  if (group == 1) return std::nullopt;
  if (group >= 2) bytes.push_back(static_cast<unsigned char>(bits >> (group == 2 ? 4 : 10)));
  if (group == 3) bytes.push_back(static_cast<unsigned char>(bits >> 2));
  return bytes;
}

}  // namespace platform::crypt
