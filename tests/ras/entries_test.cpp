// Phone-book entries through the API: the enumeration's size protocol, the properties' size
// query and record versions, identities, deletion.
#include <cstring>
#include <vector>

#include "ras/ras_fixture.h"

namespace {

using namespace ras_testing;
using platform::ras::all_users_phonebook;
using platform::ras::user_phonebook;

TEST_F(RasTest, EnumerationReportsTheSizeNeededWhenTheEntriesDoNotFit) {
  for (const char16_t* name : {u"One", u"Two", u"Three"}) ASSERT_EQ(make_vpn_entry(name, u"vpn1.example.net"), 0u);
  ASSERT_EQ(make_vpn_entry(u"Mine", u"vpn2.example.net", W(user_phonebook())), 0u);

  // Room for two of four.
  std::vector<RASENTRYNAMEW> names(4);
  names[0].dwSize = sizeof(RASENTRYNAMEW);
  DWORD size = 2 * sizeof(RASENTRYNAMEW), count = 0;
  EXPECT_EQ(RasEnumEntriesW(nullptr, nullptr, names.data(), &size, &count), DWORD(ERROR_BUFFER_TOO_SMALL));
  EXPECT_EQ(size, 4 * sizeof(RASENTRYNAMEW));
  EXPECT_EQ(count, 4u);

  // The size query without a buffer.
  size = 0;
  EXPECT_EQ(RasEnumEntriesW(nullptr, nullptr, nullptr, &size, &count), DWORD(ERROR_BUFFER_TOO_SMALL));
  EXPECT_EQ(size, 4 * sizeof(RASENTRYNAMEW));

  ASSERT_EQ(RasEnumEntriesW(nullptr, nullptr, names.data(), &size, &count), 0u);
  ASSERT_EQ(count, 4u);
  // The all-users phone book first, each record naming its file.
  EXPECT_EQ(u8(names[0].szEntryName), "One");
  EXPECT_EQ(names[0].dwFlags, DWORD(REN_AllUsers));
  EXPECT_EQ(platform::text::from_wide(names[0].szPhonebookPath), all_users_phonebook());
  EXPECT_EQ(u8(names[3].szEntryName), "Mine");
  EXPECT_EQ(names[3].dwFlags, DWORD(REN_User));
  EXPECT_EQ(platform::text::from_wide(names[3].szPhonebookPath), user_phonebook());
}

TEST_F(RasTest, EnumerationTakesTheOlderRecordAndPacksItsRecordsAtThatSize) {
  ASSERT_EQ(make_vpn_entry(u"First", u"a"), 0u);
  ASSERT_EQ(make_vpn_entry(u"Second", u"b"), 0u);
  constexpr DWORD kOldSize = 264;  // without dwFlags and szPhonebookPath
  std::vector<char> buffer(2 * kOldSize + 16, '\x55');
  DWORD first_size = kOldSize;
  std::memcpy(buffer.data(), &first_size, sizeof first_size);
  DWORD size = 2 * kOldSize, count = 0;
  ASSERT_EQ(RasEnumEntriesA(nullptr, nullptr, reinterpret_cast<RASENTRYNAMEA*>(buffer.data()), &size, &count), 0u);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(size, 2 * kOldSize);
  EXPECT_STREQ(buffer.data() + 4, "First");
  EXPECT_STREQ(buffer.data() + kOldSize + 4, "Second");
  EXPECT_EQ(buffer[2 * kOldSize], '\x55');  // nothing written past the records

  RASENTRYNAMEA unknown{};
  unknown.dwSize = 300;
  size = sizeof unknown;
  EXPECT_EQ(RasEnumEntriesA(nullptr, nullptr, &unknown, &size, &count), DWORD(ERROR_INVALID_SIZE));
}

TEST_F(RasTest, PropertiesAnswerTheSizeQueryAndRefuseUnknownSizes) {
  ASSERT_EQ(make_vpn_entry(u"Office", u"vpn1.example.net"), 0u);
  DWORD size = 0;
  EXPECT_EQ(RasGetEntryPropertiesA(nullptr, "Office", nullptr, &size, nullptr, nullptr), DWORD(ERROR_BUFFER_TOO_SMALL));
  EXPECT_EQ(size, 2884u);
  size = 0;
  EXPECT_EQ(RasGetEntryPropertiesW(nullptr, L"Office", nullptr, &size, nullptr, nullptr), DWORD(ERROR_BUFFER_TOO_SMALL));
  EXPECT_EQ(size, 5616u);

  RASENTRYA entry{};
  entry.dwSize = 2000;
  size = sizeof entry;
  EXPECT_EQ(RasGetEntryPropertiesA(nullptr, "Office", &entry, &size, nullptr, nullptr), DWORD(ERROR_INVALID_SIZE));
  EXPECT_EQ(RasSetEntryPropertiesA(nullptr, "Office", &entry, sizeof entry, nullptr, 0), DWORD(ERROR_INVALID_SIZE));

  entry.dwSize = sizeof entry;
  EXPECT_EQ(RasGetEntryPropertiesA(nullptr, "Nowhere", &entry, &size, nullptr, nullptr),
            DWORD(ERROR_CANNOT_FIND_PHONEBOOK_ENTRY));
  size = 100;
  EXPECT_EQ(RasGetEntryPropertiesA(nullptr, "Office", &entry, &size, nullptr, nullptr), DWORD(ERROR_BUFFER_TOO_SMALL));
  EXPECT_EQ(size, sizeof entry);
}

TEST_F(RasTest, PropertiesRoundTripAndAnOlderRecordKeepsTheNewerMembers) {
  RASENTRYW entry{};
  entry.dwSize = sizeof entry;
  entry.dwType = RASET_Vpn;
  platform::ras::put(entry.szDeviceType, u"vpn");
  platform::ras::put(entry.szLocalPhoneNumber, u"vpn2.example.net");
  entry.ipaddrDns = RASIPADDR{10, 0, 0, 53};
  entry.dwfOptions = RASEO_RemoteDefaultGateway | RASEO_RequireMsCHAP2;
  entry.dwfOptions2 = RASEO2_UsePreSharedKey | RASEO2_ReconnectIfDropped;
  entry.dwVpnStrategy = VS_L2tpOnly;
  platform::ras::put(entry.szDnsSuffix, u"corp.example");
  entry.dwRedialCount = 7;
  ASSERT_EQ(RasSetEntryPropertiesW(nullptr, L"Büro", &entry, sizeof entry, nullptr, 0), 0u);

  // The ANSI form reads the same entry, the name in windows-1252.
  RASENTRYA back{};
  back.dwSize = sizeof back;
  DWORD size = sizeof back;
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "B\xFCro", &back, &size, nullptr, nullptr), 0u);
  EXPECT_EQ(back.dwType, DWORD(RASET_Vpn));
  EXPECT_STREQ(back.szLocalPhoneNumber, "vpn2.example.net");
  EXPECT_EQ(back.ipaddrDns.d, 53);
  EXPECT_EQ(back.dwfOptions, entry.dwfOptions);
  EXPECT_EQ(back.dwfOptions2, entry.dwfOptions2);
  EXPECT_EQ(back.dwVpnStrategy, DWORD(VS_L2tpOnly));
  EXPECT_STREQ(back.szDnsSuffix, "corp.example");
  EXPECT_EQ(back.dwRedialCount, 7u);
  GUID identity = back.guidId;
  EXPECT_NE(identity.Data1 | identity.Data2 | identity.Data3, 0u);

  // A Windows NT 4 record (1768 bytes) changes the phone number only; what it has no members
  // for stays, the identity too.
  RASENTRYA old{};
  old.dwSize = 1768;
  old.dwType = 99;  // past the old record's end: never read
  std::strcpy(old.szLocalPhoneNumber, "vpn1.example.net");
  std::strcpy(old.szDeviceType, "vpn");
  ASSERT_EQ(RasSetEntryPropertiesA(nullptr, "B\xFCro", &old, 1768, nullptr, 0), 0u);
  RASENTRYW again{};
  again.dwSize = sizeof again;
  size = sizeof again;
  ASSERT_EQ(RasGetEntryPropertiesW(nullptr, L"büro", &again, &size, nullptr, nullptr), 0u);
  EXPECT_EQ(u8(again.szLocalPhoneNumber), "vpn1.example.net");
  EXPECT_EQ(again.dwType, DWORD(RASET_Vpn));
  EXPECT_EQ(again.dwVpnStrategy, DWORD(VS_L2tpOnly));
  EXPECT_EQ(std::memcmp(&again.guidId, &identity, sizeof identity), 0);

  // An old record asked for gets nothing past its end.
  std::vector<char> buffer(sizeof(RASENTRYA), '\x77');
  DWORD old_size = 1768;
  std::memcpy(buffer.data(), &old_size, 4);
  size = 1768;
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "B\xFCro", reinterpret_cast<RASENTRYA*>(buffer.data()), &size, nullptr,
                                   nullptr),
            0u);
  EXPECT_EQ(buffer[1768], '\x77');
}

TEST_F(RasTest, EachEntryHasItsOwnIdentityAndDeletionRemovesIt) {
  ASSERT_EQ(make_vpn_entry(u"A", u"vpn1.example.net"), 0u);
  ASSERT_EQ(make_vpn_entry(u"B", u"vpn1.example.net"), 0u);
  RASENTRYA a{}, b{};
  a.dwSize = b.dwSize = sizeof a;
  DWORD size = sizeof a;
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "A", &a, &size, nullptr, nullptr), 0u);
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "B", &b, &size, nullptr, nullptr), 0u);
  EXPECT_NE(std::memcmp(&a.guidId, &b.guidId, sizeof(GUID)), 0);
  // The identity is in the file, so that every process reads the same.
  EXPECT_NE(read_phonebook_bytes(all_users_phonebook()).find("Guid="), std::string::npos);

  EXPECT_EQ(RasDeleteEntryA(nullptr, "a"), 0u);
  EXPECT_EQ(RasGetEntryPropertiesA(nullptr, "A", &a, &size, nullptr, nullptr), DWORD(ERROR_CANNOT_FIND_PHONEBOOK_ENTRY));
  EXPECT_EQ(RasDeleteEntryA(nullptr, "A"), DWORD(ERROR_CANNOT_FIND_PHONEBOOK_ENTRY));
  EXPECT_EQ(RasGetEntryPropertiesA(nullptr, "B", &b, &size, nullptr, nullptr), 0u);
}

TEST_F(RasTest, InvalidEntryNamesAreRefused) {
  for (const char16_t* name : {u"", u".hidden", u"a/b", u"a:b", u"   ", u"line\nbreak"})
    EXPECT_EQ(make_vpn_entry(name, u"vpn1.example.net"), DWORD(ERROR_INVALID_NAME)) << platform::text::utf8(name);
}

}  // namespace
