// The installation road as a user meets it: the batch file started hidden from the program folder
// replaces the entries of network A, installs Halvorn with its settings and starts it, and the
// service connects with exactly the password that was typed.
#include "scenarios/install_road_fixture.h"

namespace {

using namespace install_road_testing;
using phone_book_tools_testing::u8;
using phone_book_tools_testing::U;

class MardellInstall : public InstallRoadTest {
 protected:
  // Entries an earlier installation left, and one of another name that must stay.
  void add_earlier_entries() {
    add_entry("AUTO-A2", "vpn2.example.net");
    add_entry("Old AUTO-A7", "vpn1.example.net");
    add_entry("Office", "vpn1.example.net");
  }
  void write_batch_for(const std::string& password) {
    write_install_batch({"sornet.exe AUTO-A", pardex_line(0, "vpn1.example.net", "alice", password),
                         pardex_line(1, "vpn2.example.net", "alice", password), "Tarvolt -i  -r 192.168.1.2",
                         "net start halvorn"});
  }
  // The service's dial succeeds only with this password: the servers' one account has it.
  void give_alice_the_password(const std::string& password) {
    for (const char* server : {"vpn1.example.net", "vpn2.example.net"})
      ASSERT_EQ(winsim({"world", "set", "account", server, "alice", password}).exit_code, 0) << password;
  }
  void expect_entries_with(const std::string& password) {
    std::vector<std::string> names = entry_names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"AUTO-A0", "AUTO-A1", "Office"}));
    const std::pair<const char*, const char*> entries[] = {{"AUTO-A0", "vpn1.example.net"},
                                                           {"AUTO-A1", "vpn2.example.net"}};
    for (const auto& [name, server] : entries) {
      RASENTRYW entry;
      ASSERT_TRUE(read_entry(name, &entry)) << name;
      EXPECT_EQ(u8(U(entry.szLocalPhoneNumber)), server);
      platform::ras::Credentials credentials = all_users_credentials(name);
      EXPECT_EQ(u8(credentials.user_name), "alice") << name;
      EXPECT_EQ(u8(credentials.password), password) << name;
    }
  }
};

TEST_F(MardellInstall, TheBatchFileStartedHiddenInstallsTheServiceAndItConnects) {
  add_earlier_entries();
  write_batch_for("secret");
  start_install_batch();

  EXPECT_FALSE(wait_for_connection_of({"AUTO-A0", "AUTO-A1"}).empty()) << "connections: " << connections().size();
  EXPECT_EQ(service_state(), DWORD(SERVICE_RUNNING));
  expect_entries_with("secret");
  EXPECT_EQ(setting("", "GatewayCount"), "01");
  EXPECT_EQ(setting("Gateways", "Gateway_IP1"), "C0A80102");
  EXPECT_EQ(setting("AUTO-A", "Required_IP"), "00000000") << "no -ip on the line";
}

TEST_F(MardellInstall, APasswordOfCmdsSpecialCharactersAndABlankIsTheOneTheServiceDials) {
  const std::string password = "p^a>s<s|w%o&r+d 1%%2^";
  give_alice_the_password(password);
  add_earlier_entries();
  write_batch_for(password);
  start_install_batch();

  EXPECT_FALSE(wait_for_connection_of({"AUTO-A0", "AUTO-A1"}).empty());
  expect_entries_with(password);
}

}  // namespace

namespace {

using namespace install_road_testing;

const char kShortBatch[] = "Tarvolt -i  -r 192.168.1.2\r\nnet start halvorn\r\n";

using MardellUnattended = InstallRoadTest;

TEST_F(MardellUnattended, AnInstallationFromTheConsoleConnectsAndLeavesNoPasswordOnDisk) {
  use_clock_scale(1);
  int code = run_mardell({"-s", "vpn1.example.net", "-s", "vpn2.example.net", "-u", "alice", "-p", "secret", "-r",
                          "192.168.1.2"});
  std::string console = background_console();
  EXPECT_EQ(code, 0) << console;
  EXPECT_EQ(console.find("Error"), std::string::npos) << console;
  EXPECT_TRUE(boxes().empty()) << "no window needed an answer: " << boxes().front().text;
  EXPECT_FALSE(connections().empty());
  EXPECT_FALSE(wait_for_connection_of({"AUTO-A0", "AUTO-A1"}).empty());
  std::vector<std::string> names = entry_names();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"AUTO-A0", "AUTO-A1"})) << "Kelvra is gone";
  EXPECT_EQ(u8(all_users_credentials("AUTO-A1").password), "secret");
  EXPECT_EQ(file_bytes(program_folder() / "installservice.bat"), kShortBatch);
  EXPECT_EQ(service_state(), DWORD(SERVICE_RUNNING));
  EXPECT_EQ(setting("Gateways", "Gateway_IP1"), "C0A80102");
  EXPECT_EQ(files_holding("secret"), std::vector<std::string>{});
}

// The server takes the wizard's test dial and refuses every later one, so the service never
// connects: after 120 machine seconds the wizard gives up.
TEST_F(MardellUnattended, AServiceThatNeverConnectsEndsInSetupFailed) {
  ASSERT_EQ(winsim({"world", "set", "account", "vpn1.example.net", "alice", "secret", "dials", "1"}).exit_code, 0);
  run_mardell({"-s", "vpn1.example.net", "-u", "alice", "-p", "secret", "-r", "192.168.1.2"});
  EXPECT_NE(background_console().find("Error:\nSetup failed. Check Tarvolt.txt for more details.\n"),
            std::string::npos)
      << background_console();
  EXPECT_NE(unattended_log().find("Error:\r\nSetup failed. Check Tarvolt.txt for more details.\r\n"),
            std::string::npos);
  EXPECT_EQ(file_bytes(program_folder() / "installservice.bat"), kShortBatch);
  EXPECT_TRUE(connections().empty());
}

TEST_F(MardellUnattended, APasswordOfCmdsSpecialCharactersAndABlankReachesTheServicesDial) {
  use_clock_scale(1);
  const std::string password = "p^a>s<s|w%o&r+d 1%%2^";
  for (const char* server : {"vpn1.example.net", "vpn2.example.net"})
    ASSERT_EQ(winsim({"world", "set", "account", server, "alice", password}).exit_code, 0);
  int code = run_mardell({"-s", "vpn1.example.net", "-s", "vpn2.example.net", "-u", "alice", "-p", password, "-r",
                          "192.168.1.2"});
  EXPECT_EQ(code, 0) << background_console();
  EXPECT_FALSE(wait_for_connection_of({"AUTO-A0", "AUTO-A1"}).empty());
  EXPECT_EQ(u8(all_users_credentials("AUTO-A0").password), password);
  EXPECT_TRUE(files_holding(password).empty());
}

}  // namespace
