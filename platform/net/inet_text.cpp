// inet_addr, inet_ntoa and the byte-order functions.
#include <winsock2.h>

#include <cstdio>

#include "net/address.h"

namespace {

bool space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int digit_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// One part: decimal, octal after a leading 0, hexadecimal after 0x. Moves `p` past it.
bool parse_part(const char*& p, unsigned long long& value) {
  if (digit_value(*p) > 9) return false;
  unsigned base = 10;
  if (*p == '0') {
    base = 8;
    ++p;
    if (*p == 'x' || *p == 'X') {
      base = 16;
      ++p;
    }
  }
  value = 0;
  for (; digit_value(*p) < int(base); ++p) {
    value = value * base + unsigned(digit_value(*p));
    if (value > 0xFFFFFFFFull) return false;
  }
  return digit_value(*p) > 9;  // an 8 or a 9 in an octal part is no address
}

}  // namespace

extern "C" {

// The forms a.b.c.d, a.b.c (c fills 16 bits), a.b (b fills 24 bits) and a (32 bits); anything
// after the address must be white space.
u_long WSAAPI winsim_inet_addr(const char* cp) {
  if (!cp) return INADDR_NONE;
  unsigned long long parts[4];
  int count = 0;
  const char* p = cp;
  for (;;) {
    if (count == 4 || !parse_part(p, parts[count])) return INADDR_NONE;
    ++count;
    if (*p != '.') break;
    ++p;
  }
  if (*p && !space(*p)) return INADDR_NONE;
  static const unsigned long long kLastLimit[] = {0xFFFFFFFFull, 0xFFFFFFull, 0xFFFFull, 0xFFull};
  for (int i = 0; i + 1 < count; ++i)
    if (parts[i] > 0xFF) return INADDR_NONE;
  if (parts[count - 1] > kLastLimit[count - 1]) return INADDR_NONE;
  uint32_t value = uint32_t(parts[count - 1]);
  for (int i = 0; i + 1 < count; ++i) value |= uint32_t(parts[i]) << (24 - 8 * i);
  return platform::net::from_numeric(value);
}

// The thread's own buffer, overwritten by its next call.
char* WSAAPI winsim_inet_ntoa(struct in_addr in) {
  thread_local char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%s", platform::net::dotted(in.S_un.S_addr).c_str());
  return buffer;
}

u_short WSAAPI winsim_htons(u_short hostshort) { return u_short((hostshort >> 8) | (hostshort << 8)); }
u_long WSAAPI winsim_htonl(u_long hostlong) { return platform::net::from_numeric(uint32_t(hostlong)); }
u_short WSAAPI winsim_ntohs(u_short netshort) { return winsim_htons(netshort); }
u_long WSAAPI winsim_ntohl(u_long netlong) { return platform::net::numeric(uint32_t(netlong)); }

}  // extern "C"
