#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "machine/clock.h"
#include "net/net_fixture.h"

namespace {

using namespace net_testing;
namespace clock = platform::clock;

class Echoes : public NetTest {
 protected:
  // A connection RAS would keep: client 10.8.0.2 through vpn1, its tunnel end 10.8.0.1.
  void connect_vpn1(uint32_t if_index = 30) {
    platform::machine::Statement s(
        "INSERT INTO ras_connections(entry, phonebook, guid, device_type, device_name, server_host, server_address,"
        " client_address, tunnel_address, if_index, dialled_ns) VALUES('Office', 'C:\\x.pbk', x'00', 'vpn', 'VPN',"
        " 'vpn1.example.net', ?, ?, ?, ?, 0)");
    s.bind(1, ip("203.0.113.10")).bind(2, ip("10.8.0.2")).bind(3, ip("10.8.0.1")).bind(4, if_index).step();
  }
};

TEST_F(Echoes, AReplyCostsTheLinksRoundTripOnce) {
  int64_t before = clock::now_ns();
  Echo e = echo("203.0.113.20");
  int64_t took_ms = (clock::now_ns() - before) / 1000000;
  ASSERT_EQ(e.replies, 1u) << e.error;
  EXPECT_EQ(e.reply.Status, DWORD(IP_SUCCESS));
  EXPECT_EQ(e.reply.Address, ip("203.0.113.20"));
  EXPECT_EQ(e.reply.RoundTripTime, 60u);
  EXPECT_EQ(e.reply.DataSize, 32u);
  EXPECT_GE(took_ms, 60);
  EXPECT_LT(took_ms, 2 * 60) << "a loaded host may wake the caller late, but never a round trip late";

  EXPECT_EQ(echo("127.0.0.1").reply.RoundTripTime, 0u);
  EXPECT_EQ(echo("192.168.1.10").reply.RoundTripTime, 0u) << "the machine's own address";
  EXPECT_EQ(echo("192.168.1.2").replies, 1u) << "a router on the local network";
}

TEST_F(Echoes, ALostEchoWaitsItsWholeTimeOutInMachineTime) {
  clock::set_manual(clock::now_ns());
  std::atomic<bool> done{false};
  Echo result{};
  std::thread sender([&] {
    MIB_IPFORWARDROW via3 = host_route("203.0.113.10", "192.168.1.3");
    CreateIpForwardEntry(&via3);
    result = echo("203.0.113.10", 5000);
    done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  clock::advance(4999'000'000);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(done) << "a millisecond before its time-out";
  clock::advance(1'000'000);
  sender.join();
  EXPECT_EQ(result.replies, 0u);
  EXPECT_EQ(result.error, DWORD(IP_REQ_TIMED_OUT));
  EXPECT_EQ(result.reply.Status, DWORD(IP_REQ_TIMED_OUT));
}

TEST_F(Echoes, ServersThatAreDownOrDoNotAnswerEchoesLetItTimeOut) {
  world("vpn vpn2.example.net echo off");
  EXPECT_EQ(echo("203.0.113.20", 100).error, DWORD(IP_REQ_TIMED_OUT));
  world("vpn vpn2.example.net echo on down");
  EXPECT_EQ(echo("203.0.113.20", 100).error, DWORD(IP_REQ_TIMED_OUT));
  world("vpn vpn2.example.net up");
  world("router 192.168.1.1 down");
  EXPECT_EQ(echo("203.0.113.20", 100).error, DWORD(IP_REQ_TIMED_OUT)) << "the gateway is down";
  world("router 192.168.1.1 up");
  EXPECT_EQ(echo("203.0.113.20", 50).error, DWORD(IP_REQ_TIMED_OUT)) << "60 ms do not fit into 50";
  EXPECT_EQ(echo("203.0.113.20").replies, 1u);
}

TEST_F(Echoes, TheReplyBufferHoldsAReplyTheDataAndAnErrorMessage) {
  HANDLE icmp = IcmpCreateFile();
  ASSERT_NE(icmp, INVALID_HANDLE_VALUE);
  char data[32] = {};
  alignas(ICMP_ECHO_REPLY) char buffer[sizeof(ICMP_ECHO_REPLY) + sizeof data + 8];
  EXPECT_EQ(IcmpSendEcho(icmp, ip("127.0.0.1"), data, sizeof data, nullptr, buffer, sizeof buffer - 1, 1000), 0u);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  std::memcpy(data, "abcdefghijklmnopqrstuvwxyz01234", sizeof data);
  ASSERT_EQ(IcmpSendEcho(icmp, ip("127.0.0.1"), data, sizeof data, nullptr, buffer, sizeof buffer, 1000), 1u);
  auto* reply = reinterpret_cast<ICMP_ECHO_REPLY*>(buffer);
  EXPECT_EQ(static_cast<char*>(reply->Data), buffer + 40) << "the data right after the reply, in the caller's buffer";
  EXPECT_EQ(std::memcmp(reply->Data, data, sizeof data), 0);
  // The x64 reply is 40 bytes: with no data, 48 bytes hold it and an error message.
  EXPECT_EQ(IcmpSendEcho(icmp, ip("127.0.0.1"), nullptr, 0, nullptr, buffer, 47, 1000), 0u);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(IcmpSendEcho(icmp, ip("127.0.0.1"), nullptr, 0, nullptr, buffer, 40, 1000), 0u);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER)) << "a reply without room for an error message";
  EXPECT_EQ(IcmpSendEcho(icmp, ip("127.0.0.1"), nullptr, 0, nullptr, buffer, 48, 1000), 1u) << "48 bytes with no data";
  EXPECT_EQ(IcmpSendEcho(icmp, ip("127.0.0.1"), nullptr, 0, nullptr, buffer, 39, 1000), 0u);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER)) << "not even one reply fits";
  EXPECT_TRUE(IcmpCloseHandle(icmp));
  EXPECT_EQ(IcmpSendEcho(icmp, ip("127.0.0.1"), nullptr, 0, nullptr, buffer, sizeof buffer, 1000), 0u);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(IcmpCloseHandle(icmp));
}

TEST_F(Echoes, AnEchoToTheTunnelEndTravelsThroughTheRouteToItsServer) {
  connect_vpn1();
  EXPECT_EQ(echo("10.8.0.1").reply.RoundTripTime, 40u);
  MIB_IPFORWARDROW via2 = host_route("203.0.113.10", "192.168.1.2");
  ASSERT_EQ(CreateIpForwardEntry(&via2), DWORD(NO_ERROR));
  EXPECT_EQ(echo("10.8.0.1").reply.RoundTripTime, 20u);
  world("vpn vpn1.example.net echo off");
  EXPECT_EQ(echo("10.8.0.1", 100).error, DWORD(IP_REQ_TIMED_OUT));

  // The connection's own address is the machine's, on the connection's interface.
  EXPECT_EQ(echo("10.8.0.2").reply.RoundTripTime, 0u);
  ULONG size = 0;
  ASSERT_EQ(GetIpAddrTable(nullptr, &size, TRUE), DWORD(ERROR_INSUFFICIENT_BUFFER));
  std::vector<char> buffer(size);
  auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data());
  ASSERT_EQ(GetIpAddrTable(table, &size, TRUE), DWORD(NO_ERROR));
  ASSERT_EQ(table->dwNumEntries, 3u);
  EXPECT_EQ(table->table[0].dwAddr, ip("10.8.0.2"));
  EXPECT_EQ(table->table[0].dwMask, 0xFFFFFFFFu);
  EXPECT_EQ(table->table[0].dwIndex, 30u);
  EXPECT_EQ(table->table[1].dwAddr, ip("127.0.0.1"));
  EXPECT_EQ(table->table[2].dwAddr, ip("192.168.1.10"));
}

}  // namespace
