// Dialling the default world's servers: success, the codes a real server causes, the time each
// outcome takes, and what a connection looks like from this and other processes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ras/dial_fixture.h"
#include "support/environment_guard.h"

namespace {

using namespace ras_testing;

RASCONNSTATUSW status_of(HRASCONN connection, DWORD* result) {
  RASCONNSTATUSW status{};
  status.dwSize = sizeof status;
  *result = RasGetConnectStatusW(connection, &status);
  return status;
}

TEST_F(RasDialTest, ADialSucceedsAfterTheServersDialTimeAndIsSeenByOtherProcesses) {
  add_entry(u"Office", u"vpn1.example.net");
  int64_t started = machine_ms();
  HRASCONN connection = nullptr;
  ASSERT_EQ(dial(u"Office", &connection), 0u);
  ASSERT_NE(connection, nullptr);
  // Dial time 3 s, then the round trip via 192.168.1.1 (40 ms).
  EXPECT_GE(machine_ms() - started, 3040);

  auto listed = winsim({"ras", "connections"});
  EXPECT_EQ(listed.exit_code, 0);
  EXPECT_EQ(listed.out, "Connected to\nOffice\nCommand completed successfully.\n");

  DWORD result = 0;
  RASCONNSTATUSW status = status_of(connection, &result);
  ASSERT_EQ(result, 0u);
  EXPECT_EQ(status.rasconnstate, RASCS_Connected);
  EXPECT_EQ(u8(status.szDeviceType), "vpn");
  EXPECT_EQ(u8(status.szDeviceName), "WAN Miniport (PPTP)");
  EXPECT_EQ(u8(status.szPhoneNumber), "vpn1.example.net");

  // The client address and the server's end of the tunnel.
  RASPPPIPA ip{};
  ip.dwSize = sizeof ip;
  DWORD size = sizeof ip;
  ASSERT_EQ(RasGetProjectionInfoA(connection, RASP_PppIp, &ip, &size), 0u);
  EXPECT_STREQ(ip.szIpAddress, "10.8.0.2");
  EXPECT_STREQ(ip.szServerIpAddress, "10.8.0.1");
  size = 10;
  EXPECT_EQ(RasGetProjectionInfoA(connection, RASP_PppIp, &ip, &size), DWORD(ERROR_BUFFER_TOO_SMALL));
  EXPECT_EQ(size, sizeof ip);
  EXPECT_EQ(RasGetProjectionInfoA(connection, RASP_PppIpx, &ip, &size), DWORD(ERROR_PROTOCOL_NOT_CONFIGURED));

  // The connection carries its entry's identity.
  RASENTRYW entry{};
  entry.dwSize = sizeof entry;
  DWORD entry_size = sizeof entry;
  ASSERT_EQ(RasGetEntryPropertiesW(nullptr, L"Office", &entry, &entry_size, nullptr, nullptr), 0u);
  RASCONNW connections[2] = {};
  connections[0].dwSize = sizeof(RASCONNW);
  DWORD bytes = sizeof connections, count = 0;
  ASSERT_EQ(RasEnumConnectionsW(connections, &bytes, &count), 0u);
  ASSERT_EQ(count, 1u);
  HRASCONN enumerated = connections[0].hrasconn;  // a copy: the packed member is misaligned
  EXPECT_EQ(enumerated, connection);
  EXPECT_EQ(std::memcmp(&connections[0].guidEntry, &entry.guidId, sizeof(GUID)), 0);
  EXPECT_EQ(connections[0].dwFlags, DWORD(RASCF_AllUsers | RASCF_GlobalCreds));
  EXPECT_EQ(platform::text::from_wide(connections[0].szPhonebook), platform::ras::all_users_phonebook());

  // Dialled again, the entry answers with its connection at once, not after a dial: with the
  // server's dial time made ten minutes, a minute tells the two apart on a loaded host too.
  world_set({"vpn", "vpn1.example.net", "dial", "600s"});
  started = machine_ms();
  HRASCONN again = nullptr;
  ASSERT_EQ(dial(u"Office", &again), 0u);
  EXPECT_EQ(again, connection);
  EXPECT_LT(machine_ms() - started, 60000);

  EXPECT_EQ(RasHangUpW(connection), 0u);
  status_of(connection, &result);
  EXPECT_EQ(result, DWORD(ERROR_INVALID_HANDLE));
  EXPECT_EQ(RasHangUpW(connection), 0u);  // twice is harmless
  EXPECT_EQ(RasHangUpW(reinterpret_cast<HRASCONN>(uintptr_t(0x7777))), DWORD(ERROR_INVALID_HANDLE));
  EXPECT_EQ(winsim({"ras", "connections"}).out, "No connections\nCommand completed successfully.\n");
}

TEST_F(RasDialTest, AHandleKeepsAllItsBitsAcrossProcessesAndACutOneIsInvalid) {
  world_set({"vpn", "vpn1.example.net", "dial", "0"});
  add_entry(u"Office", u"vpn1.example.net");
  auto child = testing_support::run_program(testing_support::program_dir() / "ras_holder.exe", {"Office", "0"});
  ASSERT_EQ(child.exit_code, 0) << child.out << child.err;
  unsigned long long dialled = 0;
  ASSERT_EQ(std::sscanf(child.out.c_str(), "dial=0 handle=%llu", &dialled), 1) << child.out;
  // The machine hands out handles above 4 GiB, so that one kept in 32 bits anywhere shows.
  EXPECT_GT(dialled, 0xFFFFFFFFull);

  RASCONNA listed{};
  listed.dwSize = sizeof listed;
  DWORD bytes = sizeof listed, count = 0;
  ASSERT_EQ(RasEnumConnectionsA(&listed, &bytes, &count), 0u);
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(uint64_t(reinterpret_cast<uintptr_t>(HRASCONN(listed.hrasconn))), dialled);

  HRASCONN cut = reinterpret_cast<HRASCONN>(uintptr_t(uint32_t(dialled)));
  HRASCONN extended = reinterpret_cast<HRASCONN>(intptr_t(int32_t(uint32_t(dialled))));
  for (HRASCONN wrong : {cut, extended}) {
    RASCONNSTATUSA status{};
    status.dwSize = sizeof status;
    EXPECT_EQ(RasGetConnectStatusA(wrong, &status), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(RasHangUpA(wrong), DWORD(ERROR_INVALID_HANDLE));
  }
  HRASCONN whole = reinterpret_cast<HRASCONN>(uintptr_t(dialled));
  RASCONNSTATUSA status{};
  status.dwSize = sizeof status;
  EXPECT_EQ(RasGetConnectStatusA(whole, &status), 0u);
  EXPECT_EQ(RasHangUpA(whole), 0u);
}

TEST_F(RasDialTest, RefusedCredentialsGive691AndTheFailedHandleHangsUpHarmlessly) {
  add_entry(u"Office", u"vpn1.example.net", u"wrong");
  HRASCONN connection = nullptr;
  EXPECT_EQ(dial(u"Office", &connection), DWORD(ERROR_AUTHENTICATION_FAILURE));
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(RasHangUpA(connection), 0u);
  DWORD bytes = 0, count = 0;
  EXPECT_EQ(RasEnumConnectionsA(nullptr, &bytes, &count), 0u);
  EXPECT_EQ(count, 0u);
}

// An account with a number of dials is refused once they are used, whoever dials; a failed dial
// uses none.
TEST_F(RasDialTest, AnAccountWithDialsLeftIsRefusedOnceTheyAreUsed) {
  world_set({"account", "vpn1.example.net", "alice", "secret", "dials", "2"});
  add_entry(u"Office", u"vpn1.example.net");
  add_entry(u"Wrong", u"vpn1.example.net", u"wrong");
  HRASCONN connection = nullptr;
  EXPECT_EQ(dial(u"Wrong", &connection), DWORD(ERROR_AUTHENTICATION_FAILURE));
  EXPECT_EQ(RasHangUpA(connection), 0u);
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(dial(u"Office", &connection), 0u) << i;
    EXPECT_EQ(RasHangUpA(connection), 0u);
  }
  EXPECT_NE(winsim({"world", "show"}).out.find("account vpn1.example.net alice secret dials 0\n"), std::string::npos);
  EXPECT_EQ(dial(u"Office", &connection), DWORD(ERROR_AUTHENTICATION_FAILURE));
  EXPECT_EQ(RasHangUpA(connection), 0u);
  world_set({"account", "vpn1.example.net", "alice", "secret"});
  ASSERT_EQ(dial(u"Office", &connection), 0u) << "without a number the account has no limit again";
  EXPECT_EQ(RasHangUpA(connection), 0u);
}

TEST_F(RasDialTest, NothingAnsweringTakesTheTimeOutAndGivesTheDevicesCode) {
  add_entry(u"Office", u"vpn1.example.net");
  world_set({"vpn", "vpn1.example.net", "down"});
  int64_t started = machine_ms();
  HRASCONN connection = nullptr;
  EXPECT_EQ(dial(u"Office", &connection), DWORD(ERROR_AUTOMATIC_VPN_FAILED));
  EXPECT_GE(machine_ms() - started, 30000);
  EXPECT_EQ(RasHangUpA(connection), 0u);

  // A modem "dials" the same server and gets no answer.
  RASENTRYA modem{};
  modem.dwSize = sizeof modem;
  modem.dwType = RASET_Phone;
  std::strcpy(modem.szDeviceType, "modem");
  std::strcpy(modem.szLocalPhoneNumber, "vpn1.example.net");
  ASSERT_EQ(RasSetEntryPropertiesA(nullptr, "Dial-up", &modem, sizeof modem, nullptr, 0), 0u);
  EXPECT_EQ(dial(u"Dial-up", &connection), DWORD(ERROR_NO_ANSWER));

  // The path lost rather than the server: the link via the default gateway.
  world_set({"vpn", "vpn1.example.net", "up"});
  world_set({"link", "192.168.1.1", "203.0.113.10", "lost"});
  EXPECT_EQ(dial(u"Office", &connection), DWORD(ERROR_AUTOMATIC_VPN_FAILED));
}

TEST_F(RasDialTest, AnUnknownServerNameFailsAtOnce) {
  add_entry(u"Nowhere", u"vpn9.example.net");
  int64_t started = machine_ms();
  HRASCONN connection = nullptr;
  EXPECT_EQ(dial(u"Nowhere", &connection), DWORD(ERROR_DNSNAME_NOT_RESOLVABLE));
  // Sooner than any answer could come (the world's servers take 3 s to dial), with room for a
  // loaded host: at the fixture's scale this is still some 60 ms of real time.
  EXPECT_LT(machine_ms() - started, 2900);
  EXPECT_EQ(dial(u"Missing", &connection), DWORD(ERROR_CANNOT_FIND_PHONEBOOK_ENTRY));
}

TEST_F(RasDialTest, AServerThatNeedsAPresharedKeyRefusesEntriesWithoutTheRightOne) {
  world_set({"vpn", "vpn2.example.net", "psk", "k3y"});
  add_entry(u"Branch", u"vpn2.example.net");
  HRASCONN connection = nullptr;
  EXPECT_EQ(dial(u"Branch", &connection), DWORD(ERROR_OAKLEY_GENERAL_PROCESSING));

  ASSERT_EQ(make_vpn_entry(u"Branch", u"vpn2.example.net", nullptr, true), 0u);
  ASSERT_EQ(set_credentials(u"Branch", RASCM_PreSharedKey | RASCM_DefaultCreds, u"", u"wrong"), 0u);
  EXPECT_EQ(dial(u"Branch", &connection), DWORD(ERROR_OAKLEY_GENERAL_PROCESSING));

  ASSERT_EQ(set_credentials(u"Branch", RASCM_PreSharedKey | RASCM_DefaultCreds, u"", u"k3y"), 0u);
  ASSERT_EQ(dial(u"Branch", &connection), 0u);
  RASCONNSTATUSA status{};
  status.dwSize = sizeof status;
  ASSERT_EQ(RasGetConnectStatusA(connection, &status), 0u);
  EXPECT_STREQ(status.szDeviceName, "WAN Miniport (L2TP)");
}

TEST_F(RasDialTest, AKeySetAloneOnAnAllUsersEntryServesEveryAccount) {
  world_set({"vpn", "vpn2.example.net", "psk", "k3y"});
  add_entry(u"Office", u"vpn2.example.net");
  ASSERT_EQ(make_vpn_entry(u"Office", u"vpn2.example.net", nullptr, true), 0u);
  ASSERT_EQ(set_credentials(u"Office", RASCM_PreSharedKey, u"", u"k3y"), 0u);
  // The service dials under an account of its own.
  testing_support::EnvironmentGuard account("USERNAME", "SYSTEM");
  HRASCONN connection = nullptr;
  EXPECT_EQ(dial(u"Office", &connection), 0u);
}

TEST_F(RasDialTest, ARangeHandsOutItsLowestFreeAddress) {
  world_set({"vpn", "vpn1.example.net", "client", "10.8.0.10-10.8.0.11", "dial", "0"});
  for (const char16_t* name : {u"One", u"Two", u"Three"}) add_entry(name, u"vpn1.example.net");
  HRASCONN one = nullptr, two = nullptr, three = nullptr;
  ASSERT_EQ(dial(u"One", &one), 0u);
  ASSERT_EQ(dial(u"Two", &two), 0u);
  EXPECT_EQ(dial(u"Three", &three), DWORD(ERROR_PPP_NO_ADDRESS_ASSIGNED));
  RASPPPIPA ip{};
  ip.dwSize = sizeof ip;
  DWORD size = sizeof ip;
  ASSERT_EQ(RasGetProjectionInfoA(two, RASP_PppIp, &ip, &size), 0u);
  EXPECT_STREQ(ip.szIpAddress, "10.8.0.11");
  // One's address is free again once it hangs up.
  ASSERT_EQ(RasHangUpA(one), 0u);
  ASSERT_EQ(dial(u"Three", &three), 0u);
  ASSERT_EQ(RasGetProjectionInfoA(three, RASP_PppIp, &ip, &size), 0u);
  EXPECT_STREQ(ip.szIpAddress, "10.8.0.10");
}

}  // namespace
