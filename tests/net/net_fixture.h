// A fresh machine with the default network world, and helpers to change the world, read the
// route table and send echoes.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <icmpapi.h>
#include <iphlpapi.h>

#include <string>
#include <vector>

#include "kernel/machine.h"
#include "net/address.h"
#include "net/world_language.h"
#include "net/world_text.h"
#include "support/machine_fixture.h"

namespace net_testing {

inline uint32_t ip(const char* text) { return *platform::net::parse_dotted(text); }

constexpr DWORD kLanIndex = 11;  // the default world's adapter

class NetTest : public testing_support::MachineTest {
 protected:
  // A statement of the world's language, as `winsim world set` takes it.
  void world(const std::string& statement) {
    platform::net::change_world([&](platform::net::World& w) { platform::net::apply_statement(w, platform::net::split_words(statement)); });
  }

  std::vector<MIB_IPFORWARDROW> forward_table(BOOL order = FALSE) {
    ULONG size = 0;
    EXPECT_EQ(GetIpForwardTable(nullptr, &size, order), DWORD(ERROR_INSUFFICIENT_BUFFER));
    std::vector<char> buffer(size);
    auto* table = reinterpret_cast<MIB_IPFORWARDTABLE*>(buffer.data());
    EXPECT_EQ(GetIpForwardTable(table, &size, order), DWORD(NO_ERROR));
    return {table->table, table->table + table->dwNumEntries};
  }

  MIB_IPFORWARDROW host_route(const char* destination, const char* next_hop, DWORD metric = 20,
                              DWORD if_index = kLanIndex) {
    MIB_IPFORWARDROW row{};
    row.dwForwardDest = ip(destination);
    row.dwForwardMask = 0xFFFFFFFF;
    row.dwForwardNextHop = ip(next_hop);
    row.dwForwardIfIndex = if_index;
    row.dwForwardType = MIB_IPROUTE_TYPE_INDIRECT;
    row.dwForwardProto = MIB_IPPROTO_NETMGMT;
    row.dwForwardMetric1 = metric;
    return row;
  }

  struct Echo {
    DWORD replies;
    DWORD error;  // GetLastError when no reply came
    ICMP_ECHO_REPLY reply;
  };
  Echo echo(const char* destination, DWORD timeout_ms = 1000) {
    HANDLE icmp = IcmpCreateFile();
    char data[32] = "abcdefghijklmnopqrstuvwxyz01234";
    alignas(ICMP_ECHO_REPLY) char buffer[sizeof(ICMP_ECHO_REPLY) + sizeof data + 8];
    SetLastError(0);
    DWORD replies = IcmpSendEcho(icmp, ip(destination), data, sizeof data, nullptr, buffer, sizeof buffer, timeout_ms);
    Echo result{replies, replies ? 0 : GetLastError(), *reinterpret_cast<ICMP_ECHO_REPLY*>(buffer)};
    IcmpCloseHandle(icmp);
    return result;
  }
};

}  // namespace net_testing
