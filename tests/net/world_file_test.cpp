#include "net/default_world.h"
#include "net/net_fixture.h"

namespace {

using platform::net::parse_world;
using platform::net::WorldError;

std::string error_of(const std::string& text) {
  try {
    parse_world(text);
  } catch (const WorldError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(WorldFile, ErrorsNameTheLineAndTheProblem) {
  const std::string adapter = "adapter LAN address 192.168.1.10 mask 255.255.255.0 gateway 192.168.1.1\n";
  EXPECT_EQ(error_of("# a comment\n\nrouter 192.168.1.2\n"),
            "line 3: router: 192.168.1.2 is not on the network of any adapter");
  EXPECT_EQ(error_of(adapter + "link 192.168.1.9 203.0.113.10 delay 5\n"),
            "line 2: link: 192.168.1.9 is not a router (add it first: router 192.168.1.9)");
  EXPECT_EQ(error_of(adapter + "link 192.168.1.1 vpn9.example.net delay 5\n"),
            "line 2: link: 'vpn9.example.net' is neither an address nor a known host");
  EXPECT_EQ(error_of("adapter LAN address 192.168.1.10\n"), "line 1: adapter: a new adapter needs its address and mask");
  EXPECT_EQ(error_of("adapter LAN address 192.168.1.300 mask 255.255.255.0\n"),
            "line 1: adapter: '192.168.1.300' is not an address (a.b.c.d)");
  EXPECT_EQ(error_of("adapter LAN address 10.0.0.1 mask 255.0.255.0\n"), "line 1: adapter: 255.0.255.0 is not a network mask");
  EXPECT_EQ(error_of("adapter LAN address 10.0.0.1 mask 255.0.0.0 gateway 11.0.0.1\n"),
            "line 1: adapter: the gateway 11.0.0.1 is not on the adapter's network");
  EXPECT_EQ(error_of("adapter LAN address 10.0.0.5 mask 255.0.0.0 gateway 10.0.0.1,11.0.0.1\n"),
            "line 1: adapter: the gateway 11.0.0.1 is not on the adapter's network");
  EXPECT_EQ(error_of("adapter LAN address 10.0.0.5 mask 255.0.0.0 gateway 10.0.0.1,\n"),
            "line 1: adapter: '' is not an address (a.b.c.d)");
  EXPECT_EQ(error_of("adapter LAN address 10.0.0.5 mask 255.0.0.0 gateway 10.0.0.1,10.0.0.1\n"),
            "line 1: adapter: the gateway 10.0.0.1 is given twice");
  EXPECT_EQ(error_of("adapter \"Local Area Connection address 10.0.0.1\n"), "line 1: a quote is not closed");
  EXPECT_EQ(error_of("\n\nbridge 1.2.3.4\n"),
            "line 3: 'bridge' is not a statement (adapter, router, host, vpn, account, link, remote-access)");
  EXPECT_EQ(error_of("vpn v.example.net address 203.0.113.10 client 10.8.0.9-10.8.0.2 tunnel 10.8.0.1\n"),
            "line 1: vpn: '10.8.0.9-10.8.0.2' is not a client address or range (a.b.c.d or a.b.c.d-a.b.c.e)");
  EXPECT_EQ(error_of("vpn v.example.net address 203.0.113.10 client 10.8.0.2 tunnel 10.8.0.1 dial soon\n"),
            "line 1: vpn: the dial time 'soon' is not a number from 0 to 3600000 (milliseconds, or seconds with s)");
  EXPECT_EQ(error_of("account v.example.net alice secret\n"), "line 1: account: there is no VPN server v.example.net");
  EXPECT_EQ(error_of("remote-access\n"), "line 1: remote-access: running or stopped is missing");
}

TEST(WorldFile, WhatShowPrintsReadsBackToTheSameWorld) {
  platform::net::World world = platform::net::default_world();
  std::string text = platform::net::format_world(world);
  EXPECT_EQ(platform::net::format_world(parse_world(text)), text);

  platform::net::apply_statement(world, platform::net::split_words(
      "vpn \"pool server\" address 198.51.100.9 client 10.7.0.2-10.7.0.9 tunnel 10.7.0.1 dial 1s psk \"two words\" "
      "down echo off"));
  platform::net::apply_statement(world, platform::net::split_words("account \"pool server\" bob \"pass word\" dials 3"));
  text = platform::net::format_world(world);
  platform::net::World back = parse_world(text);
  ASSERT_EQ(back.vpn_servers.size(), 3u);
  const platform::net::VpnServer& pool = back.vpn_servers[2];
  EXPECT_EQ(pool.host, "pool server");
  EXPECT_EQ(pool.client_last, net_testing::ip("10.7.0.9"));
  EXPECT_EQ(pool.psk, "two words");
  EXPECT_EQ(pool.dial_ms, 1000);
  EXPECT_FALSE(pool.up);
  EXPECT_FALSE(pool.answers_echo);
  ASSERT_EQ(pool.accounts.size(), 1u);
  EXPECT_EQ(pool.accounts[0].password, "pass word");
  EXPECT_EQ(pool.accounts[0].dials, 3);
  EXPECT_FALSE(back.vpn_servers[0].accounts[0].dials) << "the default world's accounts have no limit";
}

TEST(WorldFile, AnAdapterKeepsItsGatewaysInTheirOrderAndEachIsARouter) {
  platform::net::World world = parse_world(
      "adapter LAN address 10.0.0.5 mask 255.0.0.0 gateway 10.0.0.254,10.0.0.1\n"
      "adapter Spare address 172.16.0.5 mask 255.255.0.0 gateway none\n");
  ASSERT_EQ(world.adapters.size(), 2u);
  EXPECT_EQ(world.adapters[0].gateways, (std::vector<uint32_t>{net_testing::ip("10.0.0.254"), net_testing::ip("10.0.0.1")}));
  EXPECT_TRUE(world.adapters[1].gateways.empty());
  ASSERT_EQ(world.routers.size(), 2u);
  EXPECT_EQ(world.routers[1].address, net_testing::ip("10.0.0.1"));
  std::string text = platform::net::format_world(world);
  EXPECT_NE(text.find(" gateway 10.0.0.254,10.0.0.1 "), std::string::npos) << text;
  EXPECT_NE(text.find(" gateway none "), std::string::npos) << text;
  EXPECT_EQ(platform::net::format_world(parse_world(text)), text);

  platform::net::apply_statement(world, platform::net::split_words("adapter LAN gateway 10.0.0.1"));
  EXPECT_EQ(world.adapters[0].gateways, std::vector<uint32_t>{net_testing::ip("10.0.0.1")}) << "the list is replaced";
}

}  // namespace
