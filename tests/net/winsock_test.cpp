#include <thread>

#include "net/net_fixture.h"

namespace {

using namespace net_testing;

class Sockets : public NetTest {
 protected:
  void TearDown() override {
    while (WSACleanup() == 0) {
    }
    NetTest::TearDown();
  }
  void start() {
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
  }
};

TEST_F(Sockets, StartUpIsCountedAndChecksTheVersion) {
  EXPECT_EQ(gethostbyname("vpn1.example.net"), nullptr);
  EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);
  EXPECT_EQ(WSACleanup(), SOCKET_ERROR);
  EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED);

  WSADATA data;
  EXPECT_EQ(WSAStartup(MAKEWORD(0, 9), &data), WSAVERNOTSUPPORTED);
  EXPECT_EQ(WSAStartup(MAKEWORD(3, 0), &data), 0);
  EXPECT_EQ(data.wVersion, MAKEWORD(2, 2)) << "the highest it has, for the caller to judge";
  EXPECT_EQ(WSAStartup(MAKEWORD(1, 1), &data), 0);
  EXPECT_EQ(data.wVersion, MAKEWORD(1, 1));
  EXPECT_EQ(data.wHighVersion, MAKEWORD(2, 2));
  EXPECT_EQ(WSACleanup(), 0);
  EXPECT_NE(gethostbyname("vpn1.example.net"), nullptr) << "one start-up is still open";
  EXPECT_EQ(WSACleanup(), 0);
  EXPECT_EQ(WSACleanup(), SOCKET_ERROR);
}

TEST_F(Sockets, NamesResolveThroughTheWorldIgnoringCase) {
  start();
  hostent* host = gethostbyname("VPN1.Example.NET");
  ASSERT_NE(host, nullptr);
  EXPECT_STREQ(host->h_name, "vpn1.example.net");
  EXPECT_EQ(host->h_addrtype, AF_INET);
  EXPECT_EQ(host->h_length, 4);
  EXPECT_EQ(*reinterpret_cast<uint32_t*>(host->h_addr), ip("203.0.113.10"));
  EXPECT_EQ(host->h_addr_list[1], nullptr);
  EXPECT_EQ(host->h_aliases[0], nullptr);
  EXPECT_EQ(*reinterpret_cast<uint32_t*>(gethostbyname("updates.example.net")->h_addr), ip("127.0.0.1"));

  hostent* dotted = gethostbyname("198.51.100.4");
  ASSERT_NE(dotted, nullptr);
  EXPECT_STREQ(dotted->h_name, "198.51.100.4");
  EXPECT_EQ(*reinterpret_cast<uint32_t*>(dotted->h_addr), ip("198.51.100.4"));

  EXPECT_EQ(gethostbyname("nowhere.example.net"), nullptr);
  EXPECT_EQ(WSAGetLastError(), WSAHOST_NOT_FOUND);
  world("host mail.example.net none");
  EXPECT_EQ(gethostbyname("mail.example.net"), nullptr);
  EXPECT_EQ(WSAGetLastError(), WSANO_DATA);
}

TEST_F(Sockets, InetAddrTakesEveryDocumentedForm) {
  struct Case {
    const char* text;
    u_long expected;
  };
  const Case cases[] = {
      {"192.168.1.1", ip("192.168.1.1")},
      {"0xC0.0250.0x1.01", ip("192.168.1.1")},  // hexadecimal and octal parts
      {"10.1.2", ip("10.1.0.2")},               // the last part fills 16 bits
      {"10.65535", ip("10.0.255.255")},         // 24 bits
      {"167772161", ip("10.0.0.1")},            // 32 bits
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

TEST_F(Sockets, InetNtoaKeepsABufferPerThreadAndByteOrderSwaps) {
  in_addr a{};
  a.s_addr = ip("10.8.0.1");
  char* mine = inet_ntoa(a);
  EXPECT_STREQ(mine, "10.8.0.1");
  char* theirs = nullptr;
  std::thread([&] {
    in_addr b{};
    b.s_addr = ip("203.0.113.20");
    theirs = inet_ntoa(b);
    EXPECT_STREQ(theirs, "203.0.113.20");
  }).join();
  EXPECT_NE(mine, theirs);
  EXPECT_STREQ(mine, "10.8.0.1");
  EXPECT_EQ(htons(0x1234), 0x3412);
  EXPECT_EQ(htonl(0x0A080001), ip("10.8.0.1"));
  EXPECT_EQ(ntohl(ip("10.8.0.1")), 0x0A080001u);
}

}  // namespace
