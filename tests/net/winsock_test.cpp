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

}  // namespace
