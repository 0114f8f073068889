// The IP helper class against the machine's network: the interface rule, the metric, host
// routes that decide which router an echo takes, and name lookups.
#include <gtest/gtest.h>

#include <cstdlib>

#include "net/world.h"
#include "rv_ip_helper.h"
#include "service/vpn_fixture.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

const DWORD kNoReply = 0xFFFFFFFF;

class IpHelperTest : public VpnTest {
 protected:
  void SetUp() override {
    VpnTest::SetUp();
    speed_up_clock(100);  // an echo that is lost waits out its time-out
  }
  // The interface of the machine's adapter 192.168.1.10.
  DWORD adapter_index(RV_IpHelper& helper) {
    PMIB_IPADDRTABLE table = nullptr;
    EXPECT_EQ(helper.GetAddrTable(table), 0u);
    DWORD index = 0;
    for (DWORD i = 0; table && i < table->dwNumEntries; ++i)
      if (table->table[i].dwAddr == inet_addr("192.168.1.10")) index = table->table[i].dwIndex;
    free(table);
    EXPECT_NE(index, 0u);
    return index;
  }
  // The host route to the destination, or a row of zeros.
  MIB_IPFORWARDROW host_route(RV_IpHelper& helper, const char* destination) {
    PMIB_IPFORWARDTABLE table = helper.GetDefaultGateways();
    MIB_IPFORWARDROW found{};
    for (DWORD i = 0; i < table->dwNumEntries; ++i)
      if (table->table[i].dwForwardDest == inet_addr(destination) && table->table[i].dwForwardMask == 0xFFFFFFFF)
        found = table->table[i];
    free(table);
    return found;
  }
};

TEST_F(IpHelperTest, TheInterfaceIsTheFirstRowWhoseNetworkBitsAllLieInTheNextHop) {
  RV_TarvoltApp app;
  RV_IpHelper helper(&app);
  DWORD index = adapter_index(helper);
  EXPECT_EQ(helper.GetInterfaceIndex(inet_addr("192.168.1.1")), index);
  // Not on the adapter's network, yet every bit of 192.168.1.0 is set in it.
  EXPECT_EQ(helper.GetInterfaceIndex(inet_addr("192.168.3.1")), index);
  EXPECT_EQ(helper.GetInterfaceIndex(inet_addr("10.0.0.1")), 0u);
  EXPECT_EQ(helper.GetInterfaceIndex(inet_addr("192.168.2.1")), 0u);
}

TEST_F(IpHelperTest, AHostRouteTakesTheInterfacesMetricOrOne) {
  RV_TarvoltApp app;
  RV_IpHelper helper(&app);
  DWORD index = adapter_index(helper);
  const DWORD metric = platform::net::adapters().front().metric;
  EXPECT_EQ(helper.GetInterfaceMetric(index), metric);
  EXPECT_EQ(helper.GetInterfaceMetric(9999), 1u);

  ASSERT_TRUE(helper.AddRoute("vpn1.example.net", "255.255.255.255", "192.168.1.2", 0));
  MIB_IPFORWARDROW route = host_route(helper, "203.0.113.10");
  EXPECT_EQ(route.dwForwardNextHop, inet_addr("192.168.1.2"));
  EXPECT_EQ(route.dwForwardIfIndex, index);
  EXPECT_EQ(route.dwForwardProto, 3u);
  EXPECT_EQ(route.dwForwardMetric1, metric);
  app.CloseLogger();
  EXPECT_TRUE(logged("Route for vpn1.example.net, changed to 192.168.1.2"));
}

TEST_F(IpHelperTest, HostRoutesDecideWhichRouterAnEchoTakes) {
  RV_TarvoltApp app;
  RV_IpHelper helper(&app);
  DWORD replies = 99;
  EXPECT_EQ(helper.PingHost("vpn1.example.net", 5000, replies), 40u);
  EXPECT_EQ(replies, 1u);
  ASSERT_TRUE(helper.AddRoute("203.0.113.10", "255.255.255.255", "192.168.1.2", 0));
  EXPECT_EQ(helper.PingHost("203.0.113.10", 5000, replies), 20u);
  EXPECT_TRUE(helper.DeleteRoute("203.0.113.10", "255.255.255.255", "192.168.1.2"));
  EXPECT_EQ(host_route(helper, "203.0.113.10").dwForwardDest, 0u);
  EXPECT_EQ(helper.PingHost("203.0.113.10", 5000, replies), 40u);
  ASSERT_TRUE(helper.AddRoute("203.0.113.10", "255.255.255.255", "192.168.1.3", 0));
  EXPECT_EQ(helper.PingHost("203.0.113.10", 5000, replies), kNoReply);
  EXPECT_EQ(replies, 0u);
  EXPECT_TRUE(helper.DeleteRoute("203.0.113.10", "255.255.255.255", "192.168.1.3"));
  // Nothing left to delete is no failure.
  EXPECT_TRUE(helper.DeleteRoute("203.0.113.10", "255.255.255.255", "192.168.1.3"));
  EXPECT_EQ(helper.PingHost("203.0.113.10", 5000, replies), 40u);
}

TEST_F(IpHelperTest, RoutesThatCannotBeMadeFail) {
  RV_TarvoltApp app;
  RV_IpHelper helper(&app);
  EXPECT_FALSE(helper.AddRoute("203.0.113.10", "255.255.255.0x", "192.168.1.2", 0));
  EXPECT_FALSE(helper.AddRoute("nosuch.example.net", "255.255.255.255", "192.168.1.2", 0));
  EXPECT_FALSE(helper.AddRoute("203.0.113.10", "255.255.255.255", "nosuch.example.net", 0));
  // A router on no local network: no interface, and the route table refuses the row.
  EXPECT_FALSE(helper.AddRoute("203.0.113.10", "255.255.255.255", "10.0.0.1", 0));
  EXPECT_EQ(host_route(helper, "203.0.113.10").dwForwardDest, 0u);
  app.CloseLogger();
  EXPECT_TRUE(logged("RV_IpHelper::GetIPFromName : Host not found"));
  EXPECT_TRUE(logged("RV_IpHelper::AddRoute Failed Exit"));
}

TEST_F(IpHelperTest, OnlyNamesThatStartWithALetterAreLookedUp) {
  RV_TarvoltApp app;
  RV_IpHelper helper(&app);
  EXPECT_EQ(std::string(helper.GetIPFromName("vpn2.example.net")), "203.0.113.20");
  EXPECT_EQ(std::string(helper.GetIPFromName("vpn2.example.net\n")), "203.0.113.20");
  EXPECT_EQ(std::string(helper.GetIPFromName("203.0.113.99")), "203.0.113.99");
  EXPECT_EQ(std::string(helper.GetIPFromName("1vpn.example.net")), "1vpn.example.net");
  EXPECT_EQ(std::string(helper.GetIPFromName("")), "");
  EXPECT_EQ(std::string(helper.GetIPFromName("\xE9vpn.example.net")), "\xE9vpn.example.net");
  EXPECT_EQ(std::string(helper.GetIPFromName("nosuch.example.net")), "");
}

}  // namespace
}  // namespace tarvolt_testing
