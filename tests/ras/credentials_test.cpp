// Credentials: stored in the machine database for all users or for the user, handed back by
// RasGetEntryDialParams as a password handle.
#include "ras/ras_fixture.h"

namespace {

using namespace ras_testing;

TEST_F(RasTest, StoredCredentialsComeBackAsDialParametersWithAPasswordHandle) {
  ASSERT_EQ(make_vpn_entry(u"Office", u"vpn1.example.net"), 0u);
  RASDIALPARAMSA params{};
  params.dwSize = sizeof params;
  std::strcpy(params.szEntryName, "Office");
  BOOL stored = TRUE;
  ASSERT_EQ(RasGetEntryDialParamsA(nullptr, &params, &stored), 0u);
  EXPECT_FALSE(stored);
  EXPECT_STREQ(params.szPassword, "");

  ASSERT_EQ(set_credentials(u"Office", RASCM_UserName | RASCM_Password | RASCM_DefaultCreds, u"alice", u"secret"), 0u);
  ASSERT_EQ(RasGetEntryDialParamsA(nullptr, &params, &stored), 0u);
  EXPECT_TRUE(stored);
  EXPECT_STREQ(params.szUserName, "alice");
  EXPECT_STREQ(params.szPassword, "****************");
  EXPECT_EQ(read_phonebook_bytes(platform::ras::all_users_phonebook()).find("secret"), std::string::npos);

  // The user's own name wins over the all-users one; the handle leaves the password alone.
  ASSERT_EQ(set_credentials(u"Office", RASCM_UserName | RASCM_Password, u"bob", u"****************"), 0u);
  RASDIALPARAMSW wide{};
  wide.dwSize = 2096;  // the record before dwSubEntry
  platform::ras::put(wide.szEntryName, u"office");
  ASSERT_EQ(RasGetEntryDialParamsW(nullptr, &wide, &stored), 0u);
  EXPECT_EQ(u8(wide.szUserName), "bob");
  EXPECT_TRUE(stored);

  // Cleared, the all-users password is still there.
  RASCREDENTIALSA clear{};
  clear.dwSize = sizeof clear;
  clear.dwMask = RASCM_Password;
  ASSERT_EQ(RasSetCredentialsA(nullptr, "Office", &clear, TRUE), 0u);
  ASSERT_EQ(RasGetEntryDialParamsA(nullptr, &params, &stored), 0u);
  EXPECT_TRUE(stored);
  clear.dwMask = RASCM_Password | RASCM_DefaultCreds;
  ASSERT_EQ(RasSetCredentialsA(nullptr, "Office", &clear, TRUE), 0u);
  ASSERT_EQ(RasGetEntryDialParamsA(nullptr, &params, &stored), 0u);
  EXPECT_FALSE(stored);
}

TEST_F(RasTest, CredentialsAreRefusedAsWindowsRefusesThem) {
  ASSERT_EQ(make_vpn_entry(u"Mine", u"vpn1.example.net", W(platform::ras::user_phonebook())), 0u);
  // Default credentials exist for all-users entries only.
  EXPECT_EQ(set_credentials(u"Mine", RASCM_Password | RASCM_DefaultCreds, u"", u"x"), DWORD(ERROR_ACCESS_DENIED));
  EXPECT_EQ(set_credentials(u"Mine", RASCM_Password, u"", u"x"), 0u);
  EXPECT_EQ(set_credentials(u"Nobody", RASCM_Password, u"", u"x"), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(set_credentials(u"Mine", RASCM_Password, u"", u"x", L"C:\\nowhere\\rasphone.pbk"),
            DWORD(ERROR_CANNOT_OPEN_PHONEBOOK));
  RASCREDENTIALSA wrong{};
  wrong.dwSize = sizeof wrong - 4;
  EXPECT_EQ(RasSetCredentialsA(nullptr, "Mine", &wrong, FALSE), DWORD(ERROR_INVALID_SIZE));

  RASDIALPARAMSA params{};
  params.dwSize = sizeof params;
  std::strcpy(params.szEntryName, "Nobody");
  BOOL stored = FALSE;
  EXPECT_EQ(RasGetEntryDialParamsA(nullptr, &params, &stored), DWORD(ERROR_CANNOT_FIND_PHONEBOOK_ENTRY));
}

}  // namespace
