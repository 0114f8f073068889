// The phone-book scan against the machine's phone books.
#include <gtest/gtest.h>

#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_vpn_object.h"
#include "service/vpn_fixture.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

using ScanTest = VpnTest;

TEST_F(ScanTest, EntriesGoToTheirNetworksInDigitOrder) {
  add_entry("AUTO-A1", "vpn1.example.net");
  add_entry("Second AUTO-A1", "vpn2.example.net");
  add_entry("AUTO-A0", "203.0.113.10");
  add_entry("Office auto-a2", "vpn1.example.net");
  add_entry("AUTO-B3", "vpn2.example.net", "VPN");
  add_entry("AUTO-A4", "vpn1.example.net", "modem");
  add_entry("AUTO-A", "vpn1.example.net");
  add_entry("AUTO-C1", "vpn1.example.net");
  add_entry("AUTO-A10", "vpn1.example.net");
  add_entry("vpnx AUTO-B6", "vpn1.example.net", "vpnx");
  RV_TarvoltApp app;
  {
    RV_EntryScanner scanner(&app);
    scan(scanner);
  }
  RV_ConnectionObject* a = app.GetNetworkA();
  EXPECT_EQ(entry_names(a), (std::vector<std::string>{"AUTO-A0", "AUTO-A1", "Second AUTO-A1", "Office auto-a2"}));
  EXPECT_EQ(entry_names(app.GetNetworkB()), (std::vector<std::string>{"AUTO-B3"}));
  RV_VPNObject* first = a->GetVPNObject(0);
  EXPECT_EQ(first->GetNetworkType(), 1);
  EXPECT_EQ(first->GetIndex(), 0);
  EXPECT_EQ(std::string(first->GetServerHost()), "203.0.113.10");
  EXPECT_EQ(std::string(first->m_szPhonebook),
            "C:\\ProgramData\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk");
  EXPECT_EQ(app.GetNetworkB()->GetVPNObject(0)->GetNetworkType(), 2);

  app.CloseLogger();
  EXPECT_TRUE(logged("\"AUTO-A4\" : Is not a valid VPN connection;"));
  EXPECT_TRUE(logged("\"vpnx AUTO-B6\" : Is not a valid VPN connection;"));
  EXPECT_TRUE(logged("\"AUTO-C1\" : Is not a valid Tarvolt supported connection;"));
  EXPECT_TRUE(logged("\"AUTO-A10\" : Is not a valid Tarvolt supported connection;"));
  EXPECT_TRUE(logged("\"AUTO-B3\" : Belongs to network 'B';"));
  EXPECT_TRUE(logged("Verifying and sorting VPN connections"));
  for (const std::string& line : log_messages()) EXPECT_EQ(line.find("\"AUTO-A\""), std::string::npos) << line;
}

TEST_F(ScanTest, EveryPhoneBookOfTheAccountIsScannedAndARescanReplacesTheObjects) {
  add_entry("AUTO-A1", "vpn1.example.net");
  std::string user_book = "C:\\Users\\" + std::string(getenv("USERNAME") ? getenv("USERNAME") : "Administrator") +
                          "\\AppData\\Roaming\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";
  add_entry("Mine AUTO-A0", "vpn2.example.net", "vpn", user_book.c_str());
  RV_TarvoltApp app;
  RV_EntryScanner scanner(&app);
  scan(scanner);
  RV_ConnectionObject* a = app.GetNetworkA();
  ASSERT_EQ(entry_names(a), (std::vector<std::string>{"Mine AUTO-A0", "AUTO-A1"}));
  EXPECT_EQ(std::string(a->GetVPNObject(0)->m_szPhonebook), user_book);
  EXPECT_EQ(std::string(a->GetVPNObject(0)->GetServerHost()), "vpn2.example.net");

  RasDeleteEntryA(nullptr, "AUTO-A1");
  scan(scanner);
  EXPECT_EQ(entry_names(a), (std::vector<std::string>{"Mine AUTO-A0"}));
}

TEST_F(ScanTest, DeletingTheScannerWaitsForItsScan) {
  for (const char* name : {"AUTO-A0", "AUTO-A1", "AUTO-B0", "AUTO-B1"}) add_entry(name, "vpn1.example.net");
  RV_TarvoltApp app;
  {
    RV_EntryScanner scanner(&app);
    ASSERT_TRUE(scanner.StartScan());
  }
  EXPECT_EQ(app.GetNetworkA()->GetVPNObjectCount() + app.GetNetworkB()->GetVPNObjectCount(), 4);
}

TEST_F(ScanTest, AnEmptyPhoneBookIsAGoodScanWithTwoEmptyNetworks) {
  RV_TarvoltApp app;
  RV_EntryScanner scanner(&app);
  scan(scanner);
  EXPECT_EQ(app.GetNetworkA()->GetVPNObjectCount(), 0);
  EXPECT_EQ(app.GetNetworkB()->GetVPNObjectCount(), 0);
  app.CloseLogger();
  EXPECT_TRUE(logged("No RAS entries found. : "));
  EXPECT_TRUE(logged("Sorting Network")) << "a good scan orders its networks";
}

}  // namespace
}  // namespace tarvolt_testing
