#include <cstring>
#include <string>

#include "net/net_fixture.h"

namespace {

using namespace net_testing;

class Adapters : public NetTest {
 protected:
  std::vector<char> adapters_info() {
    ULONG size = 0;
    EXPECT_EQ(GetAdaptersInfo(nullptr, &size), ULONG(ERROR_BUFFER_OVERFLOW));
    std::vector<char> buffer(size);
    EXPECT_EQ(GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size), ULONG(NO_ERROR));
    return buffer;
  }
};

TEST_F(Adapters, AdapterInfoFollowsTheOverflowProtocolAndListsEveryAddress) {
  EXPECT_EQ(GetAdaptersInfo(nullptr, nullptr), ULONG(ERROR_INVALID_PARAMETER));
  ULONG size = 0;
  ASSERT_EQ(GetAdaptersInfo(nullptr, &size), ULONG(ERROR_BUFFER_OVERFLOW));
  EXPECT_EQ(size, sizeof(IP_ADAPTER_INFO));

  std::vector<char> buffer = adapters_info();
  auto* info = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  EXPECT_EQ(info->Next, nullptr);
  EXPECT_EQ(info->Index, kLanIndex);
  EXPECT_EQ(info->Type, UINT(MIB_IF_TYPE_ETHERNET));
  EXPECT_STREQ(info->IpAddressList.IpAddress.String, "192.168.1.10");
  EXPECT_STREQ(info->IpAddressList.IpMask.String, "255.255.255.0");
  EXPECT_EQ(info->IpAddressList.Next, nullptr);
  EXPECT_STREQ(info->GatewayList.IpAddress.String, "192.168.1.1");
  EXPECT_EQ(info->AddressLength, 6u);

  ULONG context = 0, instance = 0;
  ASSERT_EQ(AddIPAddress(ip("192.168.1.50"), ip("255.255.255.0"), kLanIndex, &context, &instance), DWORD(NO_ERROR));
  EXPECT_EQ(AddIPAddress(ip("192.168.1.50"), ip("255.255.255.0"), kLanIndex, &context, &instance),
            DWORD(ERROR_DUP_DOMAINNAME));
  EXPECT_EQ(AddIPAddress(ip("192.168.1.51"), ip("255.255.255.0"), 77, &context, &instance), DWORD(ERROR_DEV_NOT_EXIST));
  size = sizeof(IP_ADAPTER_INFO);
  EXPECT_EQ(GetAdaptersInfo(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data()), &size), ULONG(ERROR_BUFFER_OVERFLOW));
  EXPECT_EQ(size, sizeof(IP_ADAPTER_INFO) + sizeof(IP_ADDR_STRING)) << "room for the second address";
  buffer = adapters_info();
  info = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  ASSERT_NE(info->IpAddressList.Next, nullptr);
  EXPECT_STREQ(info->IpAddressList.Next->IpAddress.String, "192.168.1.50");
  EXPECT_EQ(info->IpAddressList.Next->Context, context);
  char* end = buffer.data() + buffer.size();
  EXPECT_LE(reinterpret_cast<char*>(info->IpAddressList.Next + 1), end) << "inside the caller's buffer";

  ASSERT_EQ(DeleteIPAddress(context), DWORD(NO_ERROR));
  EXPECT_EQ(DeleteIPAddress(context), DWORD(ERROR_INVALID_PARAMETER));
  world("adapter \"Local Area Connection\" gateway none");
  buffer = adapters_info();
  EXPECT_STREQ(reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data())->GatewayList.IpAddress.String, "0.0.0.0");
}

TEST_F(Adapters, TheRecordsAndTheirListsLinkInsideTheCallersBufferAtTheX64Sizes) {
  world("adapter Second index 12 address 10.0.0.5 mask 255.0.0.0 gateway none");
  ULONG context = 0, instance = 0;
  ASSERT_EQ(AddIPAddress(ip("192.168.1.50"), ip("255.255.255.0"), kLanIndex, &context, &instance), DWORD(NO_ERROR));
  // Two 704-byte records, then the LAN's second address in a 48-byte IP_ADDR_STRING.
  ULONG size = 0;
  ASSERT_EQ(GetAdaptersInfo(nullptr, &size), ULONG(ERROR_BUFFER_OVERFLOW));
  EXPECT_EQ(size, 2 * 704u + 48u);
  std::vector<char> buffer = adapters_info();
  ASSERT_EQ(buffer.size(), 2 * 704u + 48u);
  auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  EXPECT_EQ(reinterpret_cast<char*>(first->Next), buffer.data() + 704);
  ASSERT_NE(first->Next, nullptr);
  EXPECT_EQ(first->Next->Next, nullptr);
  IP_ADAPTER_INFO* lan = first->Index == kLanIndex ? first : first->Next;
  IP_ADAPTER_INFO* second = lan == first ? first->Next : first;
  EXPECT_EQ(second->Index, 12u);
  EXPECT_STREQ(second->IpAddressList.IpAddress.String, "10.0.0.5");
  EXPECT_EQ(second->IpAddressList.Next, nullptr);
  EXPECT_EQ(reinterpret_cast<char*>(lan->IpAddressList.Next), buffer.data() + 2 * 704);
  ASSERT_NE(lan->IpAddressList.Next, nullptr);
  EXPECT_STREQ(lan->IpAddressList.Next->IpAddress.String, "192.168.1.50");
  EXPECT_EQ(lan->IpAddressList.Next->Next, nullptr);
}

TEST_F(Adapters, EveryGatewayOfAnAdapterIsListedAndIsADefaultRoute) {
  world("adapter \"Local Area Connection\" gateway 192.168.1.1,192.168.1.254");
  world("adapter Second index 12 address 10.0.0.5 mask 255.0.0.0 gateway 10.0.0.1");
  ULONG context = 0, instance = 0;
  ASSERT_EQ(AddIPAddress(ip("192.168.1.50"), ip("255.255.255.0"), kLanIndex, &context, &instance), DWORD(NO_ERROR));
  // Two records, then the LAN's second address and its second gateway.
  ULONG size = 0;
  ASSERT_EQ(GetAdaptersInfo(nullptr, &size), ULONG(ERROR_BUFFER_OVERFLOW));
  EXPECT_EQ(size, 2 * sizeof(IP_ADAPTER_INFO) + 2 * sizeof(IP_ADDR_STRING));
  std::vector<char> buffer = adapters_info();
  auto* lan = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
  ASSERT_EQ(lan->Index, kLanIndex);
  ASSERT_NE(lan->Next, nullptr);
  EXPECT_STREQ(lan->GatewayList.IpAddress.String, "192.168.1.1");
  ASSERT_NE(lan->GatewayList.Next, nullptr);
  EXPECT_STREQ(lan->GatewayList.Next->IpAddress.String, "192.168.1.254");
  EXPECT_EQ(lan->GatewayList.Next->Next, nullptr);
  ASSERT_NE(lan->IpAddressList.Next, nullptr);
  EXPECT_STREQ(lan->IpAddressList.Next->IpAddress.String, "192.168.1.50");
  EXPECT_EQ(lan->IpAddressList.Next->Next, nullptr) << "the lists do not run into each other";
  for (const IP_ADDR_STRING* entry : {lan->IpAddressList.Next, lan->GatewayList.Next})
    EXPECT_LE(reinterpret_cast<const char*>(entry + 1), buffer.data() + buffer.size()) << "inside the caller's buffer";
  EXPECT_STREQ(lan->Next->GatewayList.IpAddress.String, "10.0.0.1");
  EXPECT_EQ(lan->Next->GatewayList.Next, nullptr);

  std::vector<DWORD> defaults;
  for (const MIB_IPFORWARDROW& row : forward_table(TRUE))
    if (row.dwForwardDest == 0 && row.dwForwardIfIndex == kLanIndex) defaults.push_back(row.dwForwardNextHop);
  EXPECT_EQ(defaults, (std::vector<DWORD>{ip("192.168.1.1"), ip("192.168.1.254")}));
}

TEST_F(Adapters, TheInterfaceMetricIsFoundAtRunTimeThroughIphlpapi) {
  HMODULE iphlpapi = LoadLibraryA("IPHLPAPI.DLL");
  ASSERT_NE(iphlpapi, nullptr);
  EXPECT_EQ(GetModuleHandleA("iphlpapi"), iphlpapi);
  EXPECT_EQ(LoadLibraryW(L"C:\\Windows\\System32\\Iphlpapi.dll"), iphlpapi);
  using GetEntry = DWORD(WINAPI*)(PMIB_IPINTERFACE_ROW);
  auto get_entry = reinterpret_cast<GetEntry>(reinterpret_cast<void (*)()>(GetProcAddress(iphlpapi, "GetIpInterfaceEntry")));
  ASSERT_NE(get_entry, nullptr);

  MIB_IPINTERFACE_ROW row{};
  row.Family = AF_INET;
  row.InterfaceIndex = kLanIndex;
  ASSERT_EQ(get_entry(&row), DWORD(NO_ERROR));
  EXPECT_EQ(row.Metric, 20u);
  EXPECT_EQ(row.InterfaceIndex, kLanIndex);
  world("adapter \"Local Area Connection\" metric 35");
  ASSERT_EQ(get_entry(&row), DWORD(NO_ERROR)) << "the LUID it filled in names the interface now";
  EXPECT_EQ(row.Metric, 35u);

  MIB_IPINTERFACE_ROW unknown{};
  unknown.Family = AF_INET;
  unknown.InterfaceIndex = 77;
  EXPECT_EQ(get_entry(&unknown), DWORD(ERROR_NOT_FOUND));
  unknown.Family = AF_UNSPEC;
  EXPECT_EQ(get_entry(&unknown), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_TRUE(FreeLibrary(iphlpapi));
  EXPECT_TRUE(FreeLibrary(iphlpapi));
}

TEST_F(Adapters, MissingModulesAndNamesGiveTheirOwnErrors) {
  EXPECT_EQ(LoadLibraryA("wsock64.dll"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_MOD_NOT_FOUND));
  HMODULE icmp = LoadLibraryA("icmp.dll");
  ASSERT_NE(icmp, nullptr);
  EXPECT_EQ(GetProcAddress(icmp, "IcmpSendEcho2"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_PROC_NOT_FOUND));
  EXPECT_EQ(GetProcAddress(icmp, "icmpsendecho"), nullptr) << "export names match exactly";
  EXPECT_NE(GetProcAddress(icmp, "IcmpSendEcho"), nullptr);
  EXPECT_NE(GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "LoadLibraryA"), nullptr);
  EXPECT_EQ(GetProcAddress(reinterpret_cast<HMODULE>(uintptr_t(0x1234)), "LoadLibraryA"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_MOD_NOT_FOUND));
}

TEST_F(Adapters, InterfaceRowsAndTheNeighbourTable) {
  MIB_IFROW row{};
  row.dwIndex = kLanIndex;
  ASSERT_EQ(GetIfEntry(&row), DWORD(NO_ERROR));
  EXPECT_EQ(row.dwType, DWORD(IF_TYPE_ETHERNET_CSMACD));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(row.bDescr)), "Ethernet Adapter");
  row.dwIndex = 77;
  EXPECT_EQ(GetIfEntry(&row), DWORD(ERROR_INVALID_DATA));

  ULONG size = 0;
  ASSERT_EQ(GetIpNetTable(nullptr, &size, TRUE), ULONG(ERROR_INSUFFICIENT_BUFFER));
  std::vector<char> buffer(size);
  auto* table = reinterpret_cast<MIB_IPNETTABLE*>(buffer.data());
  ASSERT_EQ(GetIpNetTable(table, &size, TRUE), ULONG(NO_ERROR));
  ASSERT_EQ(table->dwNumEntries, 3u) << "the three routers";
  EXPECT_EQ(table->table[0].dwAddr, ip("192.168.1.1"));
  EXPECT_EQ(table->table[0].dwPhysAddrLen, 6u);
}

}  // namespace
