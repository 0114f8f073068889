// The server page's check of what the user entered: literal addresses against the reserved
// ranges, names through the machine's resolver.
#include <gtest/gtest.h>
#include <winsock2.h>

#include "afxsock.h"
#include "check_server_address.h"
#include "machine/world.h"
#include "support/machine_fixture.h"

namespace {

class ServerAddressTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    ASSERT_TRUE(AfxSocketInit());
  }
};

bool IsPublicLiteral(const char* text) { return IsPublicAddress(inet_addr(text)); }

TEST_F(ServerAddressTest, ReservedRangesAreRefusedAtTheirEdgesAndPrivateOnesAccepted) {
  for (const char* reserved :
       {"127.0.0.1", "169.254.1.1", "100.64.0.1", "198.19.255.255", "224.0.0.1", "240.0.0.1", "0.1.2.3",
        "0.0.0.0", "100.127.255.255", "192.0.0.255", "192.0.2.1", "198.18.0.0", "198.51.100.200", "203.0.113.10",
        "239.255.255.255", "255.255.255.254"})
    EXPECT_FALSE(IsPublicLiteral(reserved)) << reserved;
  for (const char* accepted : {"100.128.0.1", "198.20.0.1", "10.1.2.3", "192.168.1.1", "172.16.0.1", "1.0.0.0",
                               "100.63.255.255", "126.255.255.255", "169.253.255.255", "192.0.1.0", "198.17.255.255",
                               "198.51.101.0", "203.0.112.255", "223.255.255.255"})
    EXPECT_TRUE(IsPublicLiteral(accepted)) << accepted;
}

TEST_F(ServerAddressTest, LiteralsAreJudgedByTheirRangeAndNamesByTheResolver) {
  EXPECT_TRUE(CheckServerAddress(L"10.1.2.3"));
  EXPECT_FALSE(CheckServerAddress(L"127.0.0.1"));
  EXPECT_FALSE(CheckServerAddress(L"255.255.255.255")) << "not a literal for inet_addr; resolved, then refused";

  // A name of the world passes even though its address lies in a reserved range.
  EXPECT_TRUE(CheckServerAddress(L"vpn1.example.net"));
  EXPECT_TRUE(CheckServerAddress(L"VPN2.Example.Net"));
  EXPECT_FALSE(CheckServerAddress(L"vpn9.example.net"));
  EXPECT_FALSE(CheckServerAddress(L""));

  platform::net::change_world([](platform::net::World& world) {
    world.hosts.push_back({"broadcast.example.net", inet_addr("255.1.2.3")});
    world.hosts.push_back({"nameonly.example.net", 0});
  });
  EXPECT_FALSE(CheckServerAddress(L"broadcast.example.net")) << "resolves to an address beginning with 255";
  EXPECT_FALSE(CheckServerAddress(L"nameonly.example.net")) << "known, but without an address";
}

}  // namespace
