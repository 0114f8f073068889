// The VPN object against the machine's RAS and network world: dials that succeed, are refused
// or find no server, a drop seen through the notifier, the hang-up, and the refresh of the
// connections that are already up.
#include <gtest/gtest.h>

#include <cstring>

#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_gateway_info.h"
#include "rv_ip_helper.h"
#include "rv_vpn_object.h"
#include "service/vpn_fixture.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

const DWORD kLongWait = 600000;  // machine ms: ten minutes pass in seconds on the fast clock

class VpnDialTest : public VpnTest {
 protected:
  void SetUp() override {
    VpnTest::SetUp();
    speed_up_clock(100);
  }
  // The entry of network A at this position after a scan.
  RV_VPNObject* network_a_entry(RV_TarvoltApp& app, INT_PTR index) {
    RV_EntryScanner scanner(&app);
    scan(scanner);
    RV_VPNObject* entry = app.GetNetworkA()->GetVPNObject(index);
    EXPECT_NE(entry, nullptr);
    return entry;
  }
  void set_up(const char* host, bool up) {
    change_world([&](platform::net::World& world) { server(world, host).up = up; });
  }
  DWORD active_connections() {
    RASCONNA connections[8];
    std::memset(connections, 0, sizeof(connections));
    connections[0].dwSize = sizeof(RASCONNA);
    DWORD size = sizeof(connections), count = 0;
    EXPECT_EQ(RasEnumConnectionsA(connections, &size, &count), 0u);
    return count;
  }
  // Whether the route table holds the host route to the destination through the next hop.
  bool has_host_route(const char* destination, const char* next_hop) {
    char buffer[16384];
    ULONG size = sizeof(buffer);
    PMIB_IPFORWARDTABLE table = reinterpret_cast<PMIB_IPFORWARDTABLE>(buffer);
    EXPECT_EQ(GetIpForwardTable(table, &size, FALSE), 0u);
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
      const MIB_IPFORWARDROW& row = table->table[i];
      if (row.dwForwardDest == inet_addr(destination) && row.dwForwardMask == 0xFFFFFFFF &&
          row.dwForwardNextHop == inet_addr(next_hop))
        return true;
    }
    return false;
  }
};

TEST_F(VpnDialTest, ADialReadsBothAddressesAndTheNotifierSeesTheDrop) {
  add_entry("AUTO-A0", "vpn1.example.net");
  RV_TarvoltApp app;
  RV_VPNObject* entry = network_a_entry(app, 0);
  ASSERT_TRUE(entry->DialVPNConn());
  EXPECT_TRUE(entry->IsConnected());
  EXPECT_EQ(std::string(entry->GetServerIp()), "10.8.0.1");
  EXPECT_EQ(std::string(entry->GetClientIp()), "10.8.0.2");
  EXPECT_FALSE(entry->DialVPNConn()) << "a connected entry is not dialled again";
  EXPECT_EQ(active_connections(), 1u);
  EXPECT_EQ(WaitForSingleObject(entry->GetNotifier(), 0), DWORD(WAIT_TIMEOUT));

  set_up("vpn1.example.net", false);
  EXPECT_EQ(WaitForSingleObject(entry->GetNotifier(), kLongWait), WAIT_OBJECT_0);
  EXPECT_FALSE(entry->GetConnStatus());

  // The next dial arms a notifier that the earlier drop no longer sets.
  set_up("vpn1.example.net", true);
  RV_IpHelper ipHelper(&app);
  entry->HangUpConnection(ipHelper);
  ASSERT_TRUE(entry->DialVPNConn());
  EXPECT_EQ(WaitForSingleObject(entry->GetNotifier(), 0), DWORD(WAIT_TIMEOUT));
  entry->HangUpConnection(ipHelper);
  EXPECT_EQ(active_connections(), 0u);

  app.CloseLogger();
  for (const char* line : {"Dialing \"AUTO-A0\".", "\"AUTO-A0\" Dialing Successful.",
                           "Connection Notification activated for : \"AUTO-A0\";", "ServerIP : \"10.8.0.1\";",
                           "Assigned ClientIP : \"10.8.0.2\";", "Successfully hung up connection : \"AUTO-A0\";"})
    EXPECT_TRUE(logged(line)) << line;
}

TEST_F(VpnDialTest, RefusedCredentialsAndAServerThatIsDownFailWithTheirTexts) {
  add_entry("AUTO-A0", "vpn1.example.net", "vpn", nullptr, "alice", "wrong");
  add_entry("AUTO-A1", "vpn2.example.net");
  set_up("vpn2.example.net", false);
  RV_TarvoltApp app;
  RV_VPNObject* refused = network_a_entry(app, 0);
  RV_VPNObject* unanswered = app.GetNetworkA()->GetVPNObject(1);
  EXPECT_FALSE(refused->DialVPNConn());
  EXPECT_FALSE(refused->IsConnected());
  EXPECT_FALSE(unanswered->DialVPNConn());
  app.CloseLogger();
  const std::string tabs(12, '\t');
  std::string text = log_text();
  EXPECT_NE(text.find("\nFailed to establish the Connection for : AUTO-A0; " + tabs +
                      "\nwith Error code :\"Access was denied because the username and/or password was invalid on "
                      "the domain.\"\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nFailed to establish the Connection for : AUTO-A1; " + tabs +
                      "\nwith Error code :\"Unable to establish the VPN connection.  The VPN server may be "
                      "unreachable, or security parameters may not be configured properly for this connection.\"\n"),
            std::string::npos)
      << text;
}

TEST_F(VpnDialTest, TheHangUpRemovesOnlyTheHostRouteOfTheCurrentPair) {
  add_entry("AUTO-A0", "203.0.113.10");
  RV_TarvoltApp app;
  RV_VPNObject* entry = network_a_entry(app, 0);
  RV_IpHelper ipHelper(&app);
  ASSERT_TRUE(ipHelper.AddRoute("203.0.113.10", "255.255.255.255", "192.168.1.2", 2));
  ASSERT_TRUE(ipHelper.AddRoute("203.0.113.10", "255.255.255.255", "192.168.1.3", 2));

  ASSERT_TRUE(entry->DialVPNConn());
  entry->HangUpConnection(ipHelper);  // no current pair: no route goes
  EXPECT_TRUE(has_host_route("203.0.113.10", "192.168.1.2"));

  RV_GatewayInfo* pair = new RV_GatewayInfo;
  pair->m_strServer = "203.0.113.10";
  pair->m_strGateway = "192.168.1.2";
  ASSERT_TRUE(entry->AddGateway(pair));
  entry->SetCurrentGateway(pair);
  ASSERT_TRUE(entry->DialVPNConn());
  EXPECT_TRUE(entry->HangUpConnection(ipHelper));
  EXPECT_FALSE(entry->IsConnected());
  EXPECT_EQ(active_connections(), 0u);
  EXPECT_FALSE(has_host_route("203.0.113.10", "192.168.1.2"));
  EXPECT_TRUE(has_host_route("203.0.113.10", "192.168.1.3"));
}

TEST_F(VpnDialTest, ActiveConnectionsGoToTheEntriesOfExactlyTheirName) {
  change_world([](platform::net::World& world) {
    platform::net::VpnServer third = world.vpn_servers.front();
    third.host = "vpn3.example.net";
    third.address = inet_addr("203.0.113.30");
    third.client_first = third.client_last = inet_addr("10.7.0.2");
    third.tunnel = inet_addr("10.7.0.1");
    world.vpn_servers.push_back(third);
    platform::net::Link link = world.links.front();
    link.destination = third.address;
    world.links.push_back(link);
  });
  add_entry("AUTO-A0", "vpn1.example.net");
  add_entry("AUTO-A1", "vpn2.example.net");
  add_entry("AUTO-B0", "vpn3.example.net");
  for (const char* name : {"AUTO-A0", "AUTO-A1", "AUTO-B0"}) {
    RASDIALPARAMSA params;
    std::memset(&params, 0, sizeof(params));
    params.dwSize = sizeof(params);
    std::strcpy(params.szEntryName, name);
    BOOL password = FALSE;
    ASSERT_EQ(RasGetEntryDialParamsA(nullptr, &params, &password), 0u);
    HRASCONN connection = nullptr;
    ASSERT_EQ(RasDialA(nullptr, nullptr, &params, 0, nullptr, &connection), 0u) << name;
  }
  RV_TarvoltApp app;
  RV_EntryScanner scanner(&app);
  scan(scanner);
  // An entry whose name differs only in case.
  RV_VPNObject* other_case = new RV_VPNObject(&app);
  std::strcpy(other_case->m_szEntryName, "auto-a0");
  app.GetNetworkA()->AppendVPNObject(other_case);

  scanner.CheckActiveConnections();
  RV_ConnectionObject* a = app.GetNetworkA();
  EXPECT_TRUE(a->GetVPNObject(0)->IsConnected());
  EXPECT_TRUE(a->GetVPNObject(1)->IsConnected());
  EXPECT_FALSE(other_case->IsConnected());
  RV_VPNObject* b0 = app.GetNetworkB()->GetVPNObject(0);
  EXPECT_TRUE(b0->IsConnected());
  // The handle taken over is the live connection's.
  EXPECT_TRUE(b0->GetConnStatus());
  RV_IpHelper ipHelper(&app);
  for (INT_PTR i = 0; i < 2; ++i) a->GetVPNObject(i)->HangUpConnection(ipHelper);
  b0->HangUpConnection(ipHelper);
  EXPECT_EQ(active_connections(), 0u);
  app.CloseLogger();
  EXPECT_TRUE(logged("Connection found to be already active : \"AUTO-B0\";"));
}

}  // namespace
}  // namespace tarvolt_testing
