// The address conversions of Winsock: inet_addr's forms, inet_ntoa's buffer, byte order.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "support/thread.h"

namespace {

using testing_support::Thread;

// The address a.b.c.d in network order, as in_addr holds it.
u_long ip(BYTE a, BYTE b, BYTE c, BYTE d) {
  const BYTE bytes[4] = {a, b, c, d};
  u_long address;
  static_assert(sizeof address == sizeof bytes);
  std::memcpy(&address, bytes, sizeof address);
  return address;
}

TEST(InetAddresses, InetAddrTakesEveryDocumentedForm) {
  struct Case {
    const char* text;
    u_long expected;
  };
  const Case cases[] = {
      {"192.168.1.1", ip(192, 168, 1, 1)},
      {"0xC0.0250.0x1.01", ip(192, 168, 1, 1)},  // hexadecimal and octal parts
      {"10.1.2", ip(10, 1, 0, 2)},               // the last part fills 16 bits
      {"10.65535", ip(10, 0, 255, 255)},         // 24 bits
      {"167772161", ip(10, 0, 0, 1)},            // 32 bits
      {"255.255.255.255", INADDR_NONE},
      {"1.2.3.256", INADDR_NONE},
      {"1.2.65536", INADDR_NONE},
      {"256.1", INADDR_NONE},
      {"4294967296", INADDR_NONE},
      {"1..2.3", INADDR_NONE},
      {"1.2.3.", INADDR_NONE},
      {"1.2.3.4.5", INADDR_NONE},
      {"08.1.1.1", INADDR_NONE},  // 8 is no octal digit
      {"1.2.3.4x", INADDR_NONE},
      {"", INADDR_NONE},
      {"host", INADDR_NONE},
  };
  for (const Case& c : cases) EXPECT_EQ(inet_addr(c.text), c.expected) << c.text;
  EXPECT_EQ(inet_addr(nullptr), INADDR_NONE);
}

TEST(InetAddresses, InetNtoaKeepsABufferPerThreadAndByteOrderSwaps) {
  in_addr a{};
  a.s_addr = ip(10, 8, 0, 1);
  char* mine = inet_ntoa(a);
  EXPECT_STREQ(mine, "10.8.0.1");
  char* theirs = nullptr;
  Thread([&] {
    in_addr b{};
    b.s_addr = ip(203, 0, 113, 20);
    theirs = inet_ntoa(b);
    EXPECT_STREQ(theirs, "203.0.113.20");
  }).join();
  EXPECT_NE(mine, theirs);
  EXPECT_STREQ(mine, "10.8.0.1");
  EXPECT_EQ(htons(0x1234), 0x3412);
  EXPECT_EQ(htonl(0x0A080001), ip(10, 8, 0, 1));
  EXPECT_EQ(ntohl(ip(10, 8, 0, 1)), 0x0A080001u);
}

}  // namespace
