// The dwSize values the RAS functions take, as 64-bit Windows takes them: the current size of each
// record and those of its older versions, each the structure through that version's last member
// with 8-byte handles, pointers and ULONG_PTR members. A size 4 bytes off is refused with
// ERROR_INVALID_SIZE; for the records with such members that takes in the 32-bit figure of the
// same version (1368 for RASCONNW, 2104 for RASDIALPARAMSW).
#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "ras/dial_fixture.h"

namespace {

using namespace ras_testing;

using Call = std::function<DWORD(void* record, DWORD size)>;

// `call` with a record whose dwSize is each of `taken` must give `result`; with a dwSize 4 bytes
// off (one that is not taken itself), ERROR_INVALID_SIZE.
void expect_sizes(const char* record, const std::vector<DWORD>& taken, DWORD result, const Call& call) {
  auto with_size = [&](DWORD size) {
    std::vector<char> buffer(8192, 0);
    std::memcpy(buffer.data(), &size, sizeof size);
    return call(buffer.data(), size);
  };
  for (DWORD size : taken) {
    EXPECT_EQ(with_size(size), result) << record << " of " << size << " bytes";
    for (DWORD off : {size - 4, size + 4}) {
      if (std::find(taken.begin(), taken.end(), off) != taken.end()) continue;
      EXPECT_EQ(with_size(off), DWORD(ERROR_INVALID_SIZE)) << record << " of " << off << " bytes";
    }
  }
}

TEST_F(RasTest, EntryRecordsTakeTheX64SizeOfEachVersion) {
  ASSERT_EQ(make_vpn_entry(u"Office", u"vpn1.example.net"), 0u);

  expect_sizes("RASENTRYNAMEA", {264, 532}, 0, [](void* r, DWORD size) {
    DWORD bytes = size, count = 0;
    return RasEnumEntriesA(nullptr, nullptr, static_cast<RASENTRYNAMEA*>(r), &bytes, &count);
  });
  expect_sizes("RASENTRYNAMEW", {520, 1048}, 0, [](void* r, DWORD size) {
    DWORD bytes = size, count = 0;
    return RasEnumEntriesW(nullptr, nullptr, static_cast<RASENTRYNAMEW*>(r), &bytes, &count);
  });

  // Windows NT 4, with the dial policy, Windows 2000, the current record.
  expect_sizes("RASENTRYA", {1768, 1796, 2088, 2884}, 0, [](void* r, DWORD size) {
    DWORD bytes = size;
    return RasGetEntryPropertiesA(nullptr, "Office", static_cast<RASENTRYA*>(r), &bytes, nullptr, nullptr);
  });
  expect_sizes("RASENTRYW", {3468, 3496, 4048, 5616}, 0, [](void* r, DWORD size) {
    DWORD bytes = size;
    return RasGetEntryPropertiesW(nullptr, L"Office", static_cast<RASENTRYW*>(r), &bytes, nullptr, nullptr);
  });
  expect_sizes("RASENTRYA", {1768, 1796, 2088, 2884}, 0, [](void* r, DWORD size) {
    auto* entry = static_cast<RASENTRYA*>(r);
    std::strcpy(entry->szLocalPhoneNumber, "vpn1.example.net");
    return RasSetEntryPropertiesA(nullptr, "Office", entry, size, nullptr, 0);
  });

  // Through szDomain, then with dwSubEntry and the 8-byte dwCallbackId.
  expect_sizes("RASDIALPARAMSA", {1052, 1064}, 0, [](void* r, DWORD) {
    auto* params = static_cast<RASDIALPARAMSA*>(r);
    std::strcpy(params->szEntryName, "Office");
    BOOL stored = FALSE;
    return RasGetEntryDialParamsA(nullptr, params, &stored);
  });
  expect_sizes("RASDIALPARAMSW", {2096, 2108}, 0, [](void* r, DWORD) {
    auto* params = static_cast<RASDIALPARAMSW*>(r);
    platform::ras::put(params->szEntryName, u"Office");
    BOOL stored = FALSE;
    return RasGetEntryDialParamsW(nullptr, params, &stored);
  });

  expect_sizes("RASCREDENTIALSA", {540}, 0, [](void* r, DWORD) {
    return RasSetCredentialsA(nullptr, "Office", static_cast<RASCREDENTIALSA*>(r), FALSE);
  });
  expect_sizes("RASCREDENTIALSW", {1068}, 0, [](void* r, DWORD) {
    return RasSetCredentialsW(nullptr, L"Office", static_cast<RASCREDENTIALSW*>(r), FALSE);
  });
}

TEST_F(RasTest, DialRecordsTakeTheX64SizeOfEachVersion) {
  // The sizes are checked before the entry is looked for: a size taken meets the missing entry.
  const DWORD missing = ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
  expect_sizes("RASDIALPARAMSW", {2096, 2108}, missing, [](void* r, DWORD) {
    auto* params = static_cast<RASDIALPARAMSW*>(r);
    platform::ras::put(params->szEntryName, u"Missing");
    HRASCONN connection = nullptr;
    return RasDialW(nullptr, nullptr, params, 0, nullptr, &connection);
  });
  // Through the 8-byte `reserved` (16 bytes on 32-bit Windows), then the current record (28).
  expect_sizes("RASDIALEXTENSIONS", {24, 44}, missing, [](void* r, DWORD) {
    RASDIALPARAMSA params{};
    params.dwSize = sizeof params;
    std::strcpy(params.szEntryName, "Missing");
    HRASCONN connection = nullptr;
    return RasDialA(static_cast<RASDIALEXTENSIONS*>(r), nullptr, &params, 0, nullptr, &connection);
  });
  RASDIALEXTENSIONS win32{};
  win32.dwSize = 16;
  RASDIALPARAMSA params{};
  params.dwSize = sizeof params;
  HRASCONN connection = nullptr;
  EXPECT_EQ(RasDialA(&win32, nullptr, &params, 0, nullptr, &connection), DWORD(ERROR_INVALID_SIZE));
}

TEST_F(RasDialTest, ConnectionRecordsTakeTheX64SizeOfEachVersion) {
  world_set({"vpn", "vpn1.example.net", "dial", "0"});
  add_entry(u"Office", u"vpn1.example.net");
  HRASCONN connection = nullptr;
  ASSERT_EQ(dial(u"Office", &connection), 0u);

  // Windows NT 4 (through szDeviceName), with szPhonebook and dwSubEntry, with guidEntry, the
  // current record; the 8-byte handle at offset 4 makes each 4 bytes longer than on 32 bits.
  expect_sizes("RASCONNA", {416, 680, 696, 708}, 0, [](void* r, DWORD size) {
    DWORD bytes = size, count = 0;
    return RasEnumConnectionsA(static_cast<RASCONNA*>(r), &bytes, &count);
  });
  expect_sizes("RASCONNW", {820, 1344, 1360, 1372}, 0, [](void* r, DWORD size) {
    DWORD bytes = size, count = 0;
    return RasEnumConnectionsW(static_cast<RASCONNW*>(r), &bytes, &count);
  });

  expect_sizes("RASCONNSTATUSA", {160, 288}, 0, [connection](void* r, DWORD) {
    return RasGetConnectStatusA(connection, static_cast<RASCONNSTATUSA*>(r));
  });
  expect_sizes("RASCONNSTATUSW", {304, 564}, 0, [connection](void* r, DWORD) {
    return RasGetConnectStatusW(connection, static_cast<RASCONNSTATUSW*>(r));
  });

  expect_sizes("RASPPPIPA", {24, 40, 48}, 0, [connection](void* r, DWORD size) {
    DWORD bytes = size;
    return RasGetProjectionInfoA(connection, RASP_PppIp, r, &bytes);
  });
  expect_sizes("RASPPPIPW", {40, 72, 80}, 0, [connection](void* r, DWORD size) {
    DWORD bytes = size;
    return RasGetProjectionInfoW(connection, RASP_PppIp, r, &bytes);
  });
}

TEST_F(RasDialTest, OlderConnectionRecordsStandBackToBackAtTheirX64Size) {
  HRASCONN office = nullptr, branch = nullptr;
  for (const char* server : {"vpn1.example.net", "vpn2.example.net"}) world_set({"vpn", server, "dial", "0"});
  add_entry(u"Office", u"vpn1.example.net");
  add_entry(u"Branch", u"vpn2.example.net");
  ASSERT_EQ(dial(u"Office", &office), 0u);
  ASSERT_EQ(dial(u"Branch", &branch), 0u);
  constexpr DWORD kNt4 = 416;  // through szDeviceName
  std::vector<char> buffer(2 * kNt4 + 16, '\x55');
  std::memcpy(buffer.data(), &kNt4, sizeof kNt4);
  DWORD bytes = 2 * kNt4, count = 0;
  ASSERT_EQ(RasEnumConnectionsA(reinterpret_cast<RASCONNA*>(buffer.data()), &bytes, &count), 0u);
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(bytes, 2 * kNt4);
  const HRASCONN expected[] = {office, branch};
  const char* names[] = {"Office", "Branch"};
  for (DWORD i = 0; i < 2; ++i) {
    const char* record = buffer.data() + i * kNt4;
    DWORD size = 0;
    std::memcpy(&size, record, sizeof size);
    EXPECT_EQ(size, kNt4);
    HRASCONN handle = nullptr;
    std::memcpy(&handle, record + 4, sizeof handle);  // the handle right after dwSize, unaligned
    EXPECT_EQ(handle, expected[i]);
    EXPECT_STREQ(record + 12, names[i]);
    EXPECT_STREQ(record + 12 + RAS_MaxEntryName + 1, "vpn");
  }
  EXPECT_EQ(buffer[2 * kNt4], '\x55');  // nothing written past the records
}

}  // namespace
