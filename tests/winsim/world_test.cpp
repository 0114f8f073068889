#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <fstream>

#include "kernel/machine_signal.h"
#include "net/address.h"
#include "net/remote_access.h"
#include "net/routing.h"
#include "net/world.h"
#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;
namespace fs = std::filesystem;

uint32_t ip(const char* text) { return *platform::net::parse_dotted(text); }

class WinsimWorld : public WinsimTest {};

TEST_F(WinsimWorld, ChangesAreSeenByTheOtherProcessesOfTheMachine) {
  uint64_t generation = platform::machine_signal::generation("world");
  auto down = winsim({"world", "set", "vpn", "vpn2.example.net", "down", "echo", "off"});
  ASSERT_EQ(down.exit_code, 0) << down.err;
  EXPECT_GT(platform::machine_signal::generation("world"), generation);
  auto server = platform::net::vpn_server_at(ip("203.0.113.20"));
  ASSERT_TRUE(server);
  EXPECT_FALSE(server->up);
  EXPECT_FALSE(server->answers_echo);

  ASSERT_EQ(winsim({"world", "set", "adapter", "Local Area Connection", "gateway", "192.168.1.3"}).exit_code, 0);
  EXPECT_EQ(platform::net::route_to(ip("203.0.113.10"))->next_hop, ip("192.168.1.3"));
  ASSERT_EQ(winsim({"world", "set", "link", "192.168.1.3", "vpn1.example.net", "ok", "delay", "15"}).exit_code, 0);
  EXPECT_EQ(platform::net::path_delay_ms(ip("192.168.1.3"), ip("203.0.113.10")), 15);
  ASSERT_EQ(winsim({"world", "set", "router", "192.168.1.3", "down"}).exit_code, 0);
  EXPECT_FALSE(platform::net::path_delay_ms(ip("192.168.1.3"), ip("203.0.113.10")));

  ASSERT_EQ(winsim({"world", "set", "router", "192.168.1.4"}).exit_code, 0);
  ASSERT_EQ(winsim({"world", "set", "vpn", "vpn3.example.net", "address", "198.51.100.30", "client",
                    "10.30.0.2-10.30.0.20", "tunnel", "10.30.0.1", "psk", "k3y"}).exit_code, 0);
  ASSERT_EQ(winsim({"world", "set", "account", "vpn3.example.net", "bob", "pa ss"}).exit_code, 0);
  EXPECT_EQ(platform::net::resolve("VPN3.example.net"), ip("198.51.100.30"));
  ASSERT_EQ(platform::net::vpn_server_at(ip("198.51.100.30"))->accounts.size(), 1u);
  EXPECT_EQ(platform::net::vpn_server_at(ip("198.51.100.30"))->accounts[0].password, "pa ss");

  EXPECT_FALSE(platform::net::remote_access_running());
  ASSERT_EQ(winsim({"world", "set", "remote-access", "running"}).exit_code, 0);
  EXPECT_TRUE(platform::net::remote_access_running());
  auto query = winsim({"sc", "query", "RemoteAccess"});
  EXPECT_NE(query.out.find("RUNNING"), std::string::npos) << query.out;

  auto shown = winsim({"world", "show"});
  ASSERT_EQ(shown.exit_code, 0);
  EXPECT_NE(shown.out.find("account vpn3.example.net bob \"pa ss\"\n"), std::string::npos) << shown.out;
  EXPECT_NE(shown.out.find("router 192.168.1.3 down\n"), std::string::npos) << shown.out;
}

TEST_F(WinsimWorld, RefusesWhatItDoesNotUnderstandAndChangesNothing) {
  auto wrong = winsim({"world", "set", "router", "10.9.9.9"});
  EXPECT_EQ(wrong.exit_code, 1);
  EXPECT_EQ(wrong.err, "winsim: world set: router: 10.9.9.9 is not on the network of any adapter\n");
  auto half = winsim({"world", "set", "vpn", "vpn1.example.net", "down", "dial", "never"});
  EXPECT_EQ(half.exit_code, 1);
  EXPECT_TRUE(platform::net::vpn_server_at(ip("203.0.113.10"))->up) << "nothing of a refused statement is kept";
  EXPECT_EQ(winsim({"world"}).exit_code, 1);
}

TEST_F(WinsimWorld, InitTakesAWorldFileAndRefusesABadOneWithItsLine) {
  fs::path file = root_ / "branch world.txt";
  std::ofstream(file) << "# A branch office\n"
                         "adapter Branch address 10.1.0.5 mask 255.255.0.0 gateway 10.1.0.1 index 4\n"
                         "vpn hq.example.net address 198.51.100.1 client 10.50.0.2 tunnel 10.50.0.1\n"
                         "link 10.1.0.1 hq.example.net delay 25ms\n"
                         "remote-access running\n";
  fs::path fresh = root_ / "branch";
  auto created = winsim_at(fresh, {"init", "--world", file.string()});
  ASSERT_EQ(created.exit_code, 0) << created.err;
  auto shown = winsim_at(fresh, {"world", "show"});
  EXPECT_NE(shown.out.find("adapter Branch index 4 address 10.1.0.5 mask 255.255.0.0 gateway 10.1.0.1"),
            std::string::npos)
      << shown.out;
  EXPECT_EQ(shown.out.find("vpn1.example.net"), std::string::npos) << "the file's world replaces the default one";
  EXPECT_NE(shown.out.find("remote-access running"), std::string::npos);

  std::ofstream(file, std::ios::app) << "link 10.1.0.9 hq.example.net delay 5\n";
  fs::path other = root_ / "other";
  auto refused = winsim_at(other, {"init", "--world", file.string()});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.err, "winsim: " + file.string() +
                             ", line 6: link: 10.1.0.9 is not a router (add it first: router 10.1.0.9)\n");
  EXPECT_FALSE(fs::exists(other / "machine.db"));
  EXPECT_EQ(winsim_at(other, {"init", "--world", (root_ / "none.txt").string()}).exit_code, 1);
}

}  // namespace
