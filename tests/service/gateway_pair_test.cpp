// Gateway-server pairs: their failure timestamps, the pairs built from the configured routers
// and the machine's default gateways, and their measurement through temporary host routes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_gateway_info.h"
#include "rv_vpn_object.h"
#include "service/vpn_fixture.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

using Pair = std::pair<std::string, int>;  // gateway, metric

std::vector<Pair> pairs_of(RV_VPNObject* entry) {
  std::vector<Pair> pairs;
  for (INT_PTR i = 0; i < entry->GetGatewayCount(); ++i)
    pairs.emplace_back(entry->GetGatewayAt(i)->m_strGateway.GetString(), entry->GetGatewayAt(i)->m_nMetric);
  return pairs;
}

std::vector<std::string> array_order(RV_ConnectionObject* network) {
  std::vector<std::string> order;
  for (INT_PTR i = 0; i < network->GetGatewayPairCount(); ++i) {
    const RV_GatewayInfo* pair = network->GetGatewayPair(i);
    order.push_back(std::string(pair->m_strGateway) + " " + std::string(pair->m_strServer));
  }
  return order;
}

TEST(GatewayTimestampTest, SlotsFillInOrderAndAgeOutAfterFiveMinutes) {
  RV_GatewayInfo pair;
  EXPECT_EQ(pair.SetTimestamp(), 1);
  EXPECT_EQ(pair.SetTimestamp(), 2);
  EXPECT_EQ(pair.SetTimestamp(), 3);
  EXPECT_EQ(pair.SetTimestamp(), 0) << "a full pair keeps its slots";
  EXPECT_EQ(pair.CountRecentTimestamps(), 3);

  pair.ClearTimestamps();
  EXPECT_EQ(pair.CountRecentTimestamps(), 0);
  CTime now = CTime::GetCurrentTime();
  pair.m_tTimestamps[0] = now - CTimeSpan(100);
  pair.m_tTimestamps[2] = now - CTimeSpan(299);
  EXPECT_EQ(pair.SetTimestamp(), 2) << "the empty middle slot is the first free one";
  pair.m_tTimestamps[1] = now - CTimeSpan(301);
  EXPECT_EQ(pair.CountRecentTimestamps(), 2);
  EXPECT_TRUE(RV_GatewayInfo::IsEmptySlot(pair.m_tTimestamps[1]));
  EXPECT_FALSE(RV_GatewayInfo::IsEmptySlot(pair.m_tTimestamps[0]));
  // A slot ahead of the check (the clock set back) still counts.
  pair.m_tTimestamps[1] = now + CTimeSpan(3600);
  EXPECT_EQ(pair.CountRecentTimestamps(), 3);
}

class GatewayPairTest : public VpnTest {
 protected:
  void SetUp() override {
    VpnTest::SetUp();
    speed_up_clock(200);
  }
  void configure_routers(int count, const std::vector<std::pair<int, std::vector<int>>>& routers) {
    write_value("", "GatewayCount", REG_BINARY, {static_cast<BYTE>(count)});
    for (const auto& [number, address] : routers) {
      std::vector<BYTE> data(address.begin(), address.end());
      write_value("Gateways", ("Gateway_IP" + std::to_string(number)).c_str(), REG_BINARY, data);
    }
  }
  void set_default_gateway(const char* address) {
    change_world([&](platform::net::World& world) { world.adapters.front().gateways = {inet_addr(address)}; });
  }
};

TEST_F(GatewayPairTest, ConfiguredRoutersComeFirstAndADefaultGatewayAlsoConfiguredStaysOnePair) {
  add_entry("AUTO-A0", "vpn1.example.net");
  add_entry("AUTO-A1", "vpn1.example.net");
  // Router 2 has no value and router 4 a value of the wrong size: both are left out.
  configure_routers(4, {{1, {192, 168, 1, 2}}, {3, {192, 168, 1, 1}}, {4, {192, 168, 1, 3, 0}}});
  RV_TarvoltApp app;
  RV_EntryScanner scanner(&app);
  scan(scanner);
  RV_ConnectionObject* a = app.GetNetworkA();
  ASSERT_TRUE(a->LoadGateways());
  ASSERT_TRUE(a->AddDefaultGateways());
  ASSERT_TRUE(a->AddDefaultGateways());
  const std::vector<Pair> expected{{"192.168.1.2", 2}, {"192.168.1.1", 2}};
  EXPECT_EQ(pairs_of(a->GetVPNObject(0)), expected);
  EXPECT_EQ(pairs_of(a->GetVPNObject(1)), expected) << "the duplicate test is per entry";
  EXPECT_EQ(array_order(a), (std::vector<std::string>{"192.168.1.2 vpn1.example.net", "192.168.1.1 vpn1.example.net",
                                                      "192.168.1.2 vpn1.example.net", "192.168.1.1 vpn1.example.net"}));
  EXPECT_EQ(a->GetGatewayPair(0)->GetVPNObject(), a->GetVPNObject(0));
  EXPECT_EQ(a->GetGatewayPair(4), nullptr);
  EXPECT_EQ(a->GetGatewayPair(-1), nullptr);

  // A second load replaces the configured pairs instead of adding to them.
  a->RemoveAllGatewayPairs();
  ASSERT_TRUE(a->LoadGateways());
  EXPECT_EQ(a->GetGatewayPairCount(), 4);
  app.CloseLogger();
  EXPECT_TRUE(logged("New Gateway 192.168.1.2 -> vpn1.example.net"));
  EXPECT_FALSE(logged("Default Gateway 192.168.1.1 -> vpn1.example.net"));
}

TEST_F(GatewayPairTest, DefaultGatewayPairsFollowTheRoutingTable) {
  add_entry("AUTO-A0", "vpn1.example.net");
  add_entry("AUTO-A1", "vpn2.example.net");
  RV_TarvoltApp app;
  RV_EntryScanner scanner(&app);
  scan(scanner);
  RV_ConnectionObject* a = app.GetNetworkA();
  ASSERT_TRUE(a->LoadGateways());
  ASSERT_TRUE(a->AddDefaultGateways());
  EXPECT_EQ(pairs_of(a->GetVPNObject(0)), (std::vector<Pair>{{"192.168.1.1", 1}}));
  RV_GatewayInfo* kept = a->GetGatewayPair(0);
  kept->SetTimestamp();
  ASSERT_TRUE(a->AddDefaultGateways());
  ASSERT_EQ(a->GetGatewayPairCount(), 2);
  EXPECT_EQ(a->GetGatewayPair(0), kept) << "a default gateway that stays keeps its pair";

  set_default_gateway("192.168.1.3");
  ASSERT_TRUE(a->AddDefaultGateways());
  EXPECT_EQ(array_order(a), (std::vector<std::string>{"192.168.1.3 vpn1.example.net", "192.168.1.3 vpn2.example.net"}));
  EXPECT_EQ(pairs_of(a->GetVPNObject(1)), (std::vector<Pair>{{"192.168.1.3", 1}}));

  change_world([](platform::net::World& world) { world.adapters.front().gateways.clear(); });
  ASSERT_TRUE(a->AddDefaultGateways());
  EXPECT_EQ(a->GetGatewayPairCount(), 0);
  EXPECT_EQ(a->GetVPNObject(0)->GetGatewayCount(), 0);

  set_default_gateway("192.168.1.1");
  ASSERT_TRUE(a->AddDefaultGateways());
  ASSERT_EQ(a->GetGatewayPairCount(), 2);
  EXPECT_EQ(a->GetGatewayPair(0)->CountRecentTimestamps(), 0) << "a returning gateway starts afresh";
  app.CloseLogger();
  EXPECT_TRUE(logged("No Gateway entries found. going with default Gateway"));
  EXPECT_TRUE(logged("Default Gateway 192.168.1.3 -> vpn2.example.net"));
}

TEST_F(GatewayPairTest, TheMeasurementSortsFastestFirstAndLeavesNoHostRoute) {
  add_entry("AUTO-A0", "vpn1.example.net");
  add_entry("AUTO-A1", "vpn2.example.net");
  configure_routers(2, {{1, {192, 168, 1, 3}}, {2, {192, 168, 1, 2}}});
  RV_TarvoltApp app;
  RV_EntryScanner scanner(&app);
  scan(scanner);
  RV_ConnectionObject* a = app.GetNetworkA();
  a->LoadGateways();
  a->AddDefaultGateways();
  a->PingAllGateways();
  EXPECT_EQ(array_order(a),
            (std::vector<std::string>{"192.168.1.2 vpn1.example.net", "192.168.1.3 vpn2.example.net",
                                      "192.168.1.1 vpn1.example.net", "192.168.1.1 vpn2.example.net",
                                      "192.168.1.2 vpn2.example.net", "192.168.1.3 vpn1.example.net"}));
  std::vector<DWORD> times;
  for (INT_PTR i = 0; i < a->GetGatewayPairCount(); ++i) times.push_back(a->GetGatewayPair(i)->m_dwBestPing);
  EXPECT_EQ(times, (std::vector<DWORD>{20, 30, 40, 60, 80, 5001}));

  char buffer[16384];
  ULONG size = sizeof(buffer);
  PMIB_IPFORWARDTABLE table = reinterpret_cast<PMIB_IPFORWARDTABLE>(buffer);
  ASSERT_EQ(GetIpForwardTable(table, &size, FALSE), 0u);
  for (DWORD i = 0; i < table->dwNumEntries; ++i)
    EXPECT_FALSE(table->table[i].dwForwardDest == inet_addr("203.0.113.10") ||
                 table->table[i].dwForwardDest == inet_addr("203.0.113.20"))
        << "host route left at row " << i;
  app.CloseLogger();
  EXPECT_TRUE(logged("192.168.1.2 -> vpn1.example.net  = (20ms, 20ms)"));
  EXPECT_TRUE(logged("192.168.1.3 -> vpn1.example.net  = Ping TimeOut"));
  EXPECT_TRUE(logged("Route for 192.168.1.2 for the server vpn1.example.net pings in 20ms"));
}

}  // namespace
}  // namespace tarvolt_testing
