// Phone books damaged, truncated or edited by hand: what RAS cannot read is skipped, the rest
// stays usable, and writing the file again keeps what it did not understand.
#include <vector>

#include "ras/phonebook_file.h"
#include "ras/ras_fixture.h"

namespace {

using namespace ras_testing;
using platform::ras::all_users_phonebook;

std::vector<std::string> names_in_all_users() {
  std::vector<RASENTRYNAMEA> names(16);
  names[0].dwSize = sizeof(RASENTRYNAMEA);
  DWORD size = DWORD(names.size() * sizeof(RASENTRYNAMEA)), count = 0;
  std::string phonebook = platform::text::utf8(all_users_phonebook());
  EXPECT_EQ(RasEnumEntriesA(nullptr, phonebook.c_str(), names.data(), &size, &count), 0u);
  std::vector<std::string> result;
  for (DWORD i = 0; i < count; ++i) result.push_back(names[i].szEntryName);
  return result;
}

TEST_F(RasTest, UnreadableSectionsAreSkippedAndTheRestRead) {
  write_phonebook(all_users_phonebook(),
                  "\xEF\xBB\xBF"            // a byte-order mark, as editors write
                  "PhoneNumber=orphan\r\n"  // before any section
                  "[Good]\r\n"
                  "Type=2\r\n"
                  "DeviceType=vpn\r\n"
                  "PhoneNumber = vpn1.example.net \r\n"
                  "this line has no equals sign\r\n"
                  "RedialCount=many\r\n"
                  "[.dotted]\r\nPhoneNumber=x\r\n"
                  "[bad:name]\r\nPhoneNumber=x\r\n"
                  "[]\r\n"
                  "[Unclosed\r\nPhoneNumber=belongs to no entry\r\n"
                  "[GOOD]\r\nPhoneNumber=a second Good\r\n"
                  "[Caf\xC3\xA9]\nPhoneNumber=10.1.2.3\n"
                  "[Truncated]\r\nPhoneNu");
  EXPECT_EQ(names_in_all_users(), (std::vector<std::string>{"Good", "Caf\xE9", "Truncated"}));

  RASENTRYA entry{};
  entry.dwSize = sizeof entry;
  DWORD size = sizeof entry;
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "good", &entry, &size, nullptr, nullptr), 0u);
  EXPECT_STREQ(entry.szLocalPhoneNumber, "vpn1.example.net");
  EXPECT_EQ(entry.dwType, DWORD(RASET_Vpn));
  EXPECT_EQ(entry.dwRedialCount, 3u);  // unreadable: the default
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "Truncated", &entry, &size, nullptr, nullptr), 0u);
  EXPECT_STREQ(entry.szLocalPhoneNumber, "");
}

TEST_F(RasTest, AnEntryWrittenByHandWithoutIdentityKeepsOneAndUnknownKeysSurviveAChange) {
  write_phonebook(all_users_phonebook(), "[Hand]\nType=2\nDeviceType=vpn\nPhoneNumber=vpn1.example.net\nCustom=kept\n");
  RASENTRYA first{}, second{};
  first.dwSize = second.dwSize = sizeof first;
  DWORD size = sizeof first;
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "Hand", &first, &size, nullptr, nullptr), 0u);
  ASSERT_EQ(RasGetEntryPropertiesA(nullptr, "Hand", &second, &size, nullptr, nullptr), 0u);
  EXPECT_EQ(std::memcmp(&first.guidId, &second.guidId, sizeof(GUID)), 0);
  EXPECT_NE(first.guidId.Data1 | first.guidId.Data2, 0u);

  std::strcpy(first.szLocalPhoneNumber, "vpn2.example.net");
  ASSERT_EQ(RasSetEntryPropertiesA(nullptr, "Hand", &first, sizeof first, nullptr, 0), 0u);
  std::string bytes = read_phonebook_bytes(all_users_phonebook());
  EXPECT_NE(bytes.find("Custom=kept"), std::string::npos);
  EXPECT_NE(bytes.find("PhoneNumber=vpn2.example.net"), std::string::npos);
}

TEST_F(RasTest, ValuesWithLineBreaksCannotForgeEntries) {
  RASENTRYA entry{};
  entry.dwSize = sizeof entry;
  std::strcpy(entry.szLocalPhoneNumber, "host\r\n[Forged]\r\nPhoneNumber=evil");
  ASSERT_EQ(RasSetEntryPropertiesA(nullptr, "Real", &entry, sizeof entry, nullptr, 0), 0u);
  EXPECT_EQ(names_in_all_users(), std::vector<std::string>{"Real"});
}

TEST(PhonebookText, ReadingWhatWasWrittenGivesTheSameEntries) {
  auto entries = platform::ras::parse_phonebook("[A]\nk = v\nK=second\n[B]\n=no key\nx=\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(*entries[0].find(u"k"), u"v");  // the first of a repeated key counts
  EXPECT_EQ(entries[1].values.size(), 1u);
  auto again = platform::ras::parse_phonebook(platform::ras::format_phonebook(entries));
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0].values, entries[0].values);
  EXPECT_EQ(again[1].values, entries[1].values);
}

}  // namespace
