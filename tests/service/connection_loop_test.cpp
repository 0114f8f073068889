// The network's loop against the machine: it dials the fastest free pair, checks the address
// the server assigned, skips a pair that failed three times, and ends with the quit flag.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_gateway_info.h"
#include "rv_vpn_object.h"
#include "service/vpn_fixture.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

class ConnectionLoopTest : public VpnTest {
 protected:
  void SetUp() override {
    VpnTest::SetUp();
    speed_up_clock(200);
  }
  void require_ip(std::initializer_list<int> address) { write_value("AUTO-A", "Required_IP", REG_BINARY, bytes(address)); }
  // Scans, then runs network A's loop in a thread of its own.
  void start(RV_TarvoltApp& app) {
    app.m_pScanner = new RV_EntryScanner(&app);
    scan(*app.m_pScanner);
    network_ = app.GetNetworkA();
    loop_ = std::thread([this] { network_->Init(); });
  }
  // The shutdown's order: quit flag, the current entry's disconnect event, the wake event.
  void stop(RV_TarvoltApp& app) {
    app.m_bQuit = 1;
    if (RV_VPNObject* current = network_->GetCurrentVPNObject()) SetEvent(current->GetNotifier());
    network_->SetWakeEvent();
    loop_.join();
  }
  // Waits (real time) until the log holds the message this many times.
  bool wait_for_log(const std::string& message, size_t times = 1) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
      if (count_logged(message) >= times) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }
  size_t count_logged(const std::string& message) const {
    size_t n = 0;
    for (const std::string& line : log_messages_so_far()) n += line == message;
    return n;
  }
  std::vector<HRASCONN> connections() {
    RASCONNA entries[8];
    std::memset(entries, 0, sizeof(entries));
    entries[0].dwSize = sizeof(RASCONNA);
    DWORD size = sizeof(entries), count = 0;
    EXPECT_EQ(RasEnumConnectionsA(entries, &size, &count), 0u);
    std::vector<HRASCONN> handles;
    // Copied out by value: the packed member is misaligned, no reference may bind to it.
    for (DWORD i = 0; i < count; ++i) handles.push_back(HRASCONN(entries[i].hrasconn));
    return handles;
  }
  void drop_connections() {
    for (HRASCONN connection : connections()) RasHangUpA(connection);
  }

  RV_ConnectionObject* network_ = nullptr;
  std::thread loop_;
};

TEST_F(ConnectionLoopTest, TheFastestPairIsDialledAndTheStopEndsTheLoopAfterTheDialer) {
  add_entry("AUTO-A0", "vpn1.example.net");
  write_value("", "GatewayCount", REG_BINARY, bytes({2}));
  write_value("Gateways", "Gateway_IP1", REG_BINARY, bytes({192, 168, 1, 3}));
  write_value("Gateways", "Gateway_IP2", REG_BINARY, bytes({192, 168, 1, 2}));
  require_ip({10, 8, 0, 2});
  RV_TarvoltApp app;
  start(app);
  ASSERT_TRUE(wait_for_log("Connection is active now;"));
  EXPECT_EQ(connections().size(), 1u);
  RV_VPNObject* entry = network_->GetCurrentVPNObject();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(std::string(entry->GetCurrentGateway()->m_strGateway), "192.168.1.2");
  ASSERT_TRUE(wait_for_log("Pinging to server IP 10.8.0.1 was successful : 2"));
  stop(app);
  EXPECT_EQ(connections().size(), 0u);
  EXPECT_EQ(entry->m_nStatus, VPN_STATUS_DROPPED);
  app.CloseLogger();
  EXPECT_TRUE(logged("3 Gateway-Server combinations available"));
  EXPECT_TRUE(logged("IP assigned by the server match the required IP"));
  EXPECT_TRUE(logged("pVPNObject->GetNotifier() Notified disconnection"));
  std::vector<std::string> messages = log_messages();
  auto dialer_exit = std::find(messages.begin(), messages.end(), "RV_ConnectionObject::DialerThread() Exit");
  auto loop_exit = std::find(messages.begin(), messages.end(), "RV_ConnectionObject::Init() Exit");
  ASSERT_NE(loop_exit, messages.end());
  EXPECT_LT(dialer_exit, loop_exit) << "the loop returns only after its dialer thread";
}

TEST_F(ConnectionLoopTest, AnEntryOfTheNetworkLeftConnectedIsHungUpBeforeTheDial) {
  add_entry("AUTO-A0", "vpn1.example.net");
  add_entry("AUTO-A1", "vpn2.example.net");
  require_ip({0, 0, 0, 0});
  RASDIALPARAMSA params;
  std::memset(&params, 0, sizeof(params));
  params.dwSize = sizeof(params);
  std::strcpy(params.szEntryName, "AUTO-A1");
  BOOL password = FALSE;
  ASSERT_EQ(RasGetEntryDialParamsA(nullptr, &params, &password), 0u);
  HRASCONN left = nullptr;
  ASSERT_EQ(RasDialA(nullptr, nullptr, &params, 0, nullptr, &left), 0u);
  RV_TarvoltApp app;
  start(app);
  ASSERT_TRUE(wait_for_log("Connection is active now;"));
  EXPECT_EQ(connections().size(), 1u);
  EXPECT_EQ(std::string(network_->GetCurrentVPNObject()->GetEntryName()), "AUTO-A0");
  stop(app);
  app.CloseLogger();
  EXPECT_TRUE(logged("VPN connection \"AUTO-A1\" already active"));
}

TEST_F(ConnectionLoopTest, AnAddressOtherThanTheRequiredOneIsHungUpWithoutAFailure) {
  add_entry("AUTO-A0", "vpn1.example.net");
  require_ip({10, 8, 0, 20});
  RV_TarvoltApp app;
  start(app);
  ASSERT_TRUE(wait_for_log("IP assigned by the server doesn't match the required IP. Hanging up the connection", 2));
  RV_VPNObject* entry = network_->GetVPNObject(0);
  stop(app);
  EXPECT_EQ(connections().size(), 0u);
  EXPECT_EQ(entry->GetGatewayAt(0)->CountRecentTimestamps(), 0);
}

TEST_F(ConnectionLoopTest, TheRequiredAddressAcceptsAnyWithZerosAndNoneWhenMissingOrMisSized) {
  RV_TarvoltApp app;
  RV_ConnectionObject* a = app.GetNetworkA();
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(kSettingsKey) + "AUTO-A").c_str(), 0, KEY_ALL_ACCESS, &key),
            ERROR_SUCCESS);
  RegDeleteValueA(key, "Required_IP");
  RegCloseKey(key);
  EXPECT_EQ(std::string(a->QueryRequiredIP(1)), "");
  require_ip({0, 0, 0, 0});
  EXPECT_EQ(std::string(a->QueryRequiredIP(1)), "0.0.0.0");
  write_value("AUTO-B", "Required_IP", REG_BINARY, bytes({10, 1, 1, 5, 0}));
  EXPECT_EQ(std::string(a->QueryRequiredIP(2)), "");
  write_value("AUTO-B", "Required_IP", REG_BINARY, bytes({10, 1, 1, 250}));
  EXPECT_EQ(std::string(a->QueryRequiredIP(2)), "10.1.1.250");
  app.CloseLogger();
  EXPECT_TRUE(logged("Required IP by the service for Network 'B' is : 10.1.1.250"));
}

TEST_F(ConnectionLoopTest, APairThatFailedThreeTimesIsSkipped) {
  // vpn1 answers echoes (40 ms via .1) but refuses the entry's password; vpn2 is slower.
  // Slow enough that the redial after the first drop surely comes within the five minutes.
  speed_up_clock(50);
  add_entry("AUTO-A0", "vpn1.example.net", "vpn", nullptr, "alice", "wrong");
  add_entry("AUTO-A1", "vpn2.example.net");
  require_ip({0, 0, 0, 0});
  RV_TarvoltApp app;
  start(app);
  ASSERT_TRUE(wait_for_log("\"AUTO-A1\" Connection Successfull."));
  EXPECT_EQ(count_logged("Dialing \"AUTO-A0\"."), 3u);
  EXPECT_EQ(count_logged("Timestamp field(s) are Full"), 1u);
  RV_GatewayInfo* failed = network_->GetVPNObject(0)->GetGatewayAt(0);
  CTime first_failure = failed->m_tTimestamps[0];
  ASSERT_FALSE(RV_GatewayInfo::IsEmptySlot(first_failure));

  // A drop within five minutes of the first failure redials the slower pair; one after that
  // brings the faster pair back.
  drop_connections();
  ASSERT_TRUE(wait_for_log("\"AUTO-A1\" Connection Successfull.", 2));
  EXPECT_EQ(count_logged("Dialing \"AUTO-A0\"."), 3u);
  CTime back = first_failure + CTimeSpan(RV_GatewayInfo::kTimestampLifeSeconds + 1);
  while (CTime::GetCurrentTime() < back) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  drop_connections();
  ASSERT_TRUE(wait_for_log("Dialing \"AUTO-A0\".", 4));
  stop(app);
}

TEST_F(ConnectionLoopTest, WhenEveryPairIsFullAllAreClearedAndDialledAgainAtOnce) {
  speed_up_clock(50);
  add_entry("AUTO-A0", "vpn1.example.net", "vpn", nullptr, "alice", "wrong");
  require_ip({0, 0, 0, 0});
  RV_TarvoltApp app;
  start(app);
  ASSERT_TRUE(wait_for_log("Dialing \"AUTO-A0\".", 3));
  CTime third_dial = CTime::GetCurrentTime();
  ASSERT_TRUE(wait_for_log("Dialing \"AUTO-A0\".", 4));
  // Well before the first failure would have aged out.
  EXPECT_LT((CTime::GetCurrentTime() - third_dial).GetTotalSeconds(), 200);
  stop(app);
  app.CloseLogger();
  EXPECT_TRUE(logged("Timestamp field(s) are Full"));
}

TEST_F(ConnectionLoopTest, AConnectionAtItsMaximumLifeIsHungUpAndRedialledWithoutAFailure) {
  speed_up_clock(2000);
  add_entry("AUTO-A0", "vpn1.example.net");
  require_ip({0, 0, 0, 0});
  write_value("", "MaxConnectionHours", REG_BINARY, bytes({0}));  // under an hour
  RV_TarvoltApp app;
  start(app);
  ASSERT_TRUE(wait_for_log("Restarting the connection after the time lapse."));
  ASSERT_TRUE(wait_for_log("Connection is active now;", 2));
  // The renewal records no failure; the stop's own drop may record one after this point.
  EXPECT_EQ(count_logged("Setting new Timestamp"), 0u);
  stop(app);
  app.CloseLogger();
}

TEST_F(ConnectionLoopTest, TheMaximumLifeRule) {
  RV_TarvoltApp app;
  RV_ConnectionObject* a = app.GetNetworkA();
  auto since_midnight = [] {
    CTime now = CTime::GetCurrentTime();
    return static_cast<UINT>(now.GetHour() * 3600 + now.GetMinute() * 60 + now.GetSecond());
  };
  struct Case {
    int hours;
    UINT base;
    bool to_midnight;
  };
  for (Case c : {Case{0, 0, false}, Case{23, 82800, false}, Case{24, 86400, true}, Case{47, 86400, true},
                 Case{48, 172800, true}}) {
    write_value("", "MaxConnectionHours", REG_BINARY, bytes({c.hours}));
    UINT before = since_midnight();
    UINT life = a->GetMaxConnectionDuration();
    UINT after = since_midnight();
    if (after < before) continue;  // midnight passed during the call
    UINT low = c.to_midnight ? c.base - after : c.base;
    UINT high = (c.to_midnight ? c.base - before : c.base) + 3599;
    EXPECT_GE(life, low) << c.hours;
    EXPECT_LE(life, high) << c.hours;
  }
}

}  // namespace
}  // namespace tarvolt_testing
