#include "net/net_fixture.h"

namespace {

using net_testing::NetTest;
using platform::net::local_port;

TEST_F(NetTest, AHostsPortsMapToLocalPortsAndReadBack) {
  world("host updates.example.net port 80 38017");
  world("host updates.example.net port 8080 38018");
  EXPECT_EQ(local_port("updates.example.net", 80), 38017);
  EXPECT_EQ(local_port("UPDATES.example.net", 8080), 38018) << "names compare without case";
  EXPECT_EQ(local_port("updates.example.net", 443), std::nullopt);
  EXPECT_EQ(local_port("www.example.net", 80), std::nullopt);
  EXPECT_EQ(local_port("127.0.0.1", 80), 38017) << "a host's address reaches its ports too";
  EXPECT_EQ(platform::net::resolve("updates.example.net"), net_testing::ip("127.0.0.1")) << "the address stays";

  std::string shown = platform::net::format_world(platform::net::load_world());
  EXPECT_NE(shown.find("host updates.example.net 127.0.0.1 port 80 38017 port 8080 38018\n"), std::string::npos) << shown;
  EXPECT_EQ(platform::net::format_world(platform::net::parse_world(shown)), shown);

  world("host updates.example.net port 80 none");
  EXPECT_EQ(local_port("updates.example.net", 80), std::nullopt);
  EXPECT_EQ(local_port("updates.example.net", 8080), 38018);
  world("host updates.example.net 10.0.0.9 port 80 38019");
  EXPECT_EQ(platform::net::resolve("updates.example.net"), net_testing::ip("10.0.0.9"));
  EXPECT_EQ(local_port("updates.example.net", 80), 38019);
  world("host updates.example.net");
  EXPECT_EQ(platform::net::resolve("updates.example.net"), std::nullopt) << "a bare name has no address";
  EXPECT_EQ(local_port("updates.example.net", 8080), 38018) << "its ports stay";
}

TEST(WorldPorts, BadPortStatementsNameTheProblem) {
  auto error_of = [](const std::string& statement) -> std::string {
    platform::net::World world;
    try {
      platform::net::apply_statement(world, platform::net::split_words(statement));
    } catch (const platform::net::WorldError& error) {
      return error.what();
    }
    return "(no error)";
  };
  EXPECT_EQ(error_of("host a.example.net port 0 80"), "host: the port '0' is not a number from 1 to 65535");
  EXPECT_EQ(error_of("host a.example.net port 80"), "host: the local port is missing");
  EXPECT_EQ(error_of("host a.example.net port 80 70000"),
            "host: the local port '70000' is not a number from 1 to 65535");
  EXPECT_EQ(error_of("host a.example.net 127.0.0.1 gate 80"), "host: 'gate' is not understood here");
}

}  // namespace
