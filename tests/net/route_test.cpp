#include <algorithm>

#include "net/net_fixture.h"
#include "net/routing.h"

namespace {

using namespace net_testing;
using platform::net::route_to;

class Routes : public NetTest {};

TEST_F(Routes, HostRoutesChooseWhichRouterAnEchoTakes) {
  // Without a host route the default gateway (.1) carries it: vpn1 is 40 ms away that way.
  EXPECT_EQ(route_to(ip("203.0.113.10"))->next_hop, ip("192.168.1.1"));
  EXPECT_EQ(echo("203.0.113.10").reply.RoundTripTime, 40u);

  MIB_IPFORWARDROW via2 = host_route("203.0.113.10", "192.168.1.2");
  ASSERT_EQ(CreateIpForwardEntry(&via2), DWORD(NO_ERROR));
  Echo fast = echo("203.0.113.10");
  ASSERT_EQ(fast.replies, 1u);
  EXPECT_EQ(fast.reply.RoundTripTime, 20u);
  EXPECT_EQ(echo("203.0.113.20").reply.RoundTripTime, 60u) << "the other server still goes by the gateway";

  // Through .3 the link to vpn1 is lost: the longer prefix wins, whatever it costs.
  MIB_IPFORWARDROW net3 = host_route("203.0.113.0", "192.168.1.3");
  net3.dwForwardMask = ip("255.255.255.0");
  ASSERT_EQ(CreateIpForwardEntry(&net3), DWORD(NO_ERROR));
  EXPECT_EQ(route_to(ip("203.0.113.10"))->next_hop, ip("192.168.1.2"));
  EXPECT_EQ(route_to(ip("203.0.113.20"))->next_hop, ip("192.168.1.3"));
  EXPECT_EQ(echo("203.0.113.20").reply.RoundTripTime, 30u);

  ASSERT_EQ(DeleteIpForwardEntry(&via2), DWORD(NO_ERROR));
  EXPECT_EQ(route_to(ip("203.0.113.10"))->next_hop, ip("192.168.1.3"));
  EXPECT_EQ(echo("203.0.113.10", 200).error, DWORD(IP_REQ_TIMED_OUT));
}

TEST_F(Routes, EqualPrefixesGoByTheLowerMetricAndOnLinkDestinationsAreTheirOwnHop) {
  MIB_IPFORWARDROW dear = host_route("198.51.100.7", "192.168.1.2", 40);
  MIB_IPFORWARDROW cheap = host_route("198.51.100.7", "192.168.1.3", 25);
  ASSERT_EQ(CreateIpForwardEntry(&dear), DWORD(NO_ERROR));
  ASSERT_EQ(CreateIpForwardEntry(&cheap), DWORD(NO_ERROR));
  EXPECT_EQ(route_to(ip("198.51.100.7"))->next_hop, ip("192.168.1.3"));

  auto neighbour = route_to(ip("192.168.1.2"));
  ASSERT_TRUE(neighbour);
  EXPECT_TRUE(neighbour->local);
  EXPECT_EQ(neighbour->next_hop, ip("192.168.1.2"));
  EXPECT_EQ(neighbour->if_index, kLanIndex);
  EXPECT_EQ(route_to(ip("127.0.0.1"))->if_index, 1u);
}

TEST_F(Routes, RefusesRoutesWindowsRefuses) {
  MIB_IPFORWARDROW off_network = host_route("198.51.100.7", "10.1.1.1");
  EXPECT_EQ(CreateIpForwardEntry(&off_network), DWORD(ERROR_INVALID_PARAMETER));
  MIB_IPFORWARDROW loopback_index = host_route("198.51.100.7", "192.168.1.2", 60, 1);
  EXPECT_EQ(CreateIpForwardEntry(&loopback_index), DWORD(ERROR_INVALID_PARAMETER)) << "the hop is not on that interface";
  MIB_IPFORWARDROW no_interface = host_route("198.51.100.7", "192.168.1.2", 20, 77);
  EXPECT_EQ(CreateIpForwardEntry(&no_interface), DWORD(ERROR_INVALID_PARAMETER));
  MIB_IPFORWARDROW below_interface_metric = host_route("198.51.100.7", "192.168.1.2", 19);
  EXPECT_EQ(CreateIpForwardEntry(&below_interface_metric), DWORD(ERROR_INVALID_PARAMETER));
  MIB_IPFORWARDROW not_netmgmt = host_route("198.51.100.7", "192.168.1.2");
  not_netmgmt.dwForwardProto = MIB_IPPROTO_LOCAL;
  EXPECT_EQ(CreateIpForwardEntry(&not_netmgmt), DWORD(ERROR_INVALID_PARAMETER));
  MIB_IPFORWARDROW holey_mask = host_route("198.51.100.0", "192.168.1.2");
  holey_mask.dwForwardMask = ip("255.0.255.0");
  EXPECT_EQ(CreateIpForwardEntry(&holey_mask), DWORD(ERROR_INVALID_PARAMETER));
  MIB_IPFORWARDROW host_bits = host_route("198.51.100.7", "192.168.1.2");
  host_bits.dwForwardMask = ip("255.255.255.0");
  EXPECT_EQ(CreateIpForwardEntry(&host_bits), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(CreateIpForwardEntry(nullptr), DWORD(ERROR_INVALID_PARAMETER));

  MIB_IPFORWARDROW good = host_route("198.51.100.7", "192.168.1.2");
  ASSERT_EQ(CreateIpForwardEntry(&good), DWORD(NO_ERROR));
  EXPECT_EQ(CreateIpForwardEntry(&good), DWORD(ERROR_OBJECT_ALREADY_EXISTS));
  MIB_IPFORWARDROW gateway_row = host_route("0.0.0.0", "192.168.1.1");
  gateway_row.dwForwardMask = 0;
  EXPECT_EQ(CreateIpForwardEntry(&gateway_row), DWORD(ERROR_OBJECT_ALREADY_EXISTS)) << "the adapter's own row";

  ASSERT_EQ(DeleteIpForwardEntry(&good), DWORD(NO_ERROR));
  EXPECT_EQ(DeleteIpForwardEntry(&good), DWORD(ERROR_NOT_FOUND));
  EXPECT_EQ(DeleteIpForwardEntry(nullptr), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(Routes, TheTableFollowsTheSizeProtocolAndSortsOnRequest) {
  ULONG size = 0;
  EXPECT_EQ(GetIpForwardTable(nullptr, nullptr, FALSE), DWORD(ERROR_INVALID_PARAMETER));
  ASSERT_EQ(GetIpForwardTable(nullptr, &size, FALSE), DWORD(ERROR_INSUFFICIENT_BUFFER));
  ASSERT_EQ((size - sizeof(DWORD)) % sizeof(MIB_IPFORWARDROW), 0u);
  std::vector<char> buffer(size);
  auto* table = reinterpret_cast<MIB_IPFORWARDTABLE*>(buffer.data());
  ULONG short_size = size - 1;
  EXPECT_EQ(GetIpForwardTable(table, &short_size, FALSE), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(short_size, size);
  ASSERT_EQ(GetIpForwardTable(table, &size, FALSE), DWORD(NO_ERROR));
  EXPECT_EQ(table->dwNumEntries, (size - sizeof(DWORD)) / sizeof(MIB_IPFORWARDROW));

  MIB_IPFORWARDROW added = host_route("10.0.0.1", "192.168.1.3", 30);
  ASSERT_EQ(CreateIpForwardEntry(&added), DWORD(NO_ERROR));
  std::vector<MIB_IPFORWARDROW> sorted = forward_table(TRUE);
  EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
    return platform::net::numeric(a.dwForwardDest) < platform::net::numeric(b.dwForwardDest);
  }));
  const MIB_IPFORWARDROW& first = sorted.front();
  EXPECT_EQ(first.dwForwardDest, 0u);
  EXPECT_EQ(first.dwForwardNextHop, ip("192.168.1.1"));
  EXPECT_EQ(first.dwForwardIfIndex, kLanIndex);
  EXPECT_EQ(first.dwForwardType, DWORD(MIB_IPROUTE_TYPE_INDIRECT));
  EXPECT_EQ(sorted[1].dwForwardDest, ip("10.0.0.1")) << "the added row, in address order";
  EXPECT_EQ(sorted[1].dwForwardMetric1, 30u);
}

TEST_F(Routes, AGatewayRemovedFromTheWorldTakesTheDefaultRouteWithIt) {
  world("adapter \"Local Area Connection\" gateway none");
  auto table = forward_table();
  EXPECT_TRUE(std::none_of(table.begin(), table.end(), [](const auto& r) { return r.dwForwardMask == 0; }));
  EXPECT_FALSE(route_to(ip("203.0.113.10")));
  EXPECT_EQ(echo("203.0.113.10").error, DWORD(IP_GENERAL_FAILURE)) << "no route: the echo is not sent at all";

  world("adapter \"Local Area Connection\" gateway 192.168.1.2");
  EXPECT_EQ(echo("203.0.113.10").reply.RoundTripTime, 20u);
}

}  // namespace
