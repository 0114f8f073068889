#include <raserror.h>

#include <filesystem>
#include <fstream>

#include "scenarios/phone_book_tools_fixture.h"

namespace {

using namespace phone_book_tools_testing;

const std::string kUsageName = "-n <Connection entry name>\\n";
const std::string kUsageServer = "-s <hostname to connect>\\n";
const std::string kUsageUser = "-u <username>\\n";
const std::string kUsagePassword = "-p <password> OR -ep <encrypted password>\\n";
const std::string kMissing = "Missing required parameter(s):\\n";
// "s3cret!" and "psk-key-1", encrypted with the installation password "install-pw".
const std::string kEncryptedPassword = "G+2nwNJfIkeL8SHkcxUCNQ==";
const std::string kEncryptedKey = "HUn63cyYJf7QkrIiv9saig==";

class PhoneBookTools : public PhoneBookToolsTest {};

TEST_F(PhoneBookTools, InstallationDialAndRemovalOfANetwork) {
  ASSERT_EQ(exit_code("pardex.exe", {"-n", "AUTO-A0", "-s", "vpn1.example.net", "-u", "alice", "-p", "secret"}), 0);
  ASSERT_EQ(exit_code("pardex.exe", {"AUTO-B0", "vpn2.example.net", "alice", "secret"}), 0);
  EXPECT_EQ(quorril("ABS"), "vpn1.example.net,vpn2.example.net");
  EXPECT_EQ(quorril("as"), "vpn1.example.net");
  EXPECT_EQ(quorril("A?"), "FALSE");

  ASSERT_EQ(exit_code("dimbrel.exe", {"AUTO-A0"}), 0);
  EXPECT_EQ(connections(), (std::vector<std::string>{"AUTO-A0"}));
  EXPECT_EQ(quorril("A?"), "TRUE");
  EXPECT_EQ(quorril("B?"), "FALSE");

  EXPECT_EQ(exit_code("sornet.exe", {"AUTO-A"}), 0);
  EXPECT_EQ(entry_names(), (std::vector<std::string>{"AUTO-B0"}));
  EXPECT_EQ(quorril("ABS"), "vpn2.example.net");
  // Not one message box on the way.
  EXPECT_TRUE(boxes().empty());
}

TEST_F(PhoneBookTools, PardexWritesTheEntryAndDefaultCredentials) {
  ASSERT_EQ(exit_code("pardex.exe", {"-n", "Work", "-s", "vpn1.example.net", "-u", "alice", "-p", "secret", "-k",
                                     "key", "-rg", "-vt", "pptponly"}),
            0);
  RASENTRYW entry;
  ASSERT_TRUE(read_entry("Work", &entry));
  EXPECT_EQ(U(entry.szLocalPhoneNumber), u"vpn1.example.net");
  EXPECT_EQ(U(entry.szDeviceType), u"vpn");
  EXPECT_EQ(entry.dwType, DWORD(RASET_Vpn));
  EXPECT_EQ(entry.dwfOptions & (RASEO_PreviewUserPw | RASEO_RemoteDefaultGateway),
            DWORD(RASEO_PreviewUserPw | RASEO_RemoteDefaultGateway));
  EXPECT_EQ(entry.dwVpnStrategy, 1u);
  EXPECT_EQ(entry.dwfOptions2 & RASEO2_UsePreSharedKey, DWORD(RASEO2_UsePreSharedKey));
  EXPECT_EQ(entry.dwEncryptionType, DWORD(ET_Require));
  auto credentials = all_users_credentials("Work");
  EXPECT_EQ(credentials.user_name, u"alice");
  EXPECT_EQ(credentials.password, u"secret");
  EXPECT_EQ(key_of("Work"), u"key");

  // Without -rg, -vt and a key; the entry is overwritten.
  ASSERT_EQ(exit_code("pardex.exe", {"Work", "vpn2.example.net", "bob", "pw"}), 0);
  ASSERT_TRUE(read_entry("Work", &entry));
  EXPECT_EQ(U(entry.szLocalPhoneNumber), u"vpn2.example.net");
  EXPECT_EQ(entry.dwfOptions & RASEO_RemoteDefaultGateway, 0u);
  EXPECT_EQ(entry.dwVpnStrategy, 0u);
  EXPECT_EQ(entry.dwfOptions2 & RASEO2_UsePreSharedKey, 0u);
  EXPECT_EQ(all_users_credentials("Work").user_name, u"bob");
  EXPECT_EQ(entry_names(), (std::vector<std::string>{"Work"}));
}

TEST_F(PhoneBookTools, PardexCutsLongFieldsToTheirLimits) {
  std::string server(70, 's'), user(200, 'u'), password(300, 'p'), key(130, 'k');
  ASSERT_EQ(exit_code("pardex.exe", {"Long", server, user, password, key}), 0);
  RASENTRYW entry;
  ASSERT_TRUE(read_entry("Long", &entry));
  EXPECT_EQ(u8(entry.szLocalPhoneNumber), server.substr(0, 63));
  auto credentials = all_users_credentials("Long");
  EXPECT_EQ(platform::text::utf8(credentials.user_name), user.substr(0, 127));
  EXPECT_EQ(platform::text::utf8(credentials.password), password.substr(0, 127));
  EXPECT_EQ(platform::text::utf8(key_of("Long")), key.substr(0, 127));
}

TEST_F(PhoneBookTools, PardexPositionalFormTakesFourOrFiveWordsAsTheyStand) {
  // Four words that look like options are still name, server, user and password.
  ASSERT_EQ(exit_code("pardex.exe", {"-n", "x", "-s", "y"}), 0);
  RASENTRYW entry;
  ASSERT_TRUE(read_entry("-n", &entry));
  EXPECT_EQ(U(entry.szLocalPhoneNumber), u"x");
  EXPECT_EQ(all_users_credentials("-n").user_name, u"-s");
  EXPECT_EQ(all_users_credentials("-n").password, u"y");
}

TEST_F(PhoneBookTools, PardexReportsMissingOptionsInTableOrder) {
  EXPECT_EQ(exit_code("pardex.exe"), 1);
  EXPECT_EQ(exit_code("pardex.exe", {"-n", "a", "-s", "b", "-u", "c"}), 1);
  // The last word's flag has no value: -p is missing. "-N" and "-Vt" are no flags.
  EXPECT_EQ(exit_code("pardex.exe", {"-N", "a", "-s", "b", "-u", "c", "-Vt", "x", "-p"}), 1);
  EXPECT_EQ(box_texts("Pardex"),
            (std::vector<std::string>{kMissing + kUsageName + kUsageServer + kUsageUser + kUsagePassword,
                                      kMissing + kUsagePassword, kMissing + kUsageName + kUsagePassword}));
  for (const Box& box : boxes()) EXPECT_EQ(box.buttons, "OK");
  EXPECT_TRUE(entry_names().empty());
}

TEST_F(PhoneBookTools, PardexOptionValuesAreTheNextWordWhateverItIs) {
  // The last -n wins; the password is the word -s; -d without -ep or -ek changes nothing.
  ASSERT_EQ(exit_code("pardex.exe", {"-n", "a", "-n", "b", "-s", "srv", "-u", "u", "-p", "-s", "-d", "x"}), 0);
  EXPECT_EQ(entry_names(), (std::vector<std::string>{"b"}));
  EXPECT_EQ(all_users_credentials("b").password, u"-s");
  RASENTRYW entry;
  ASSERT_TRUE(read_entry("b", &entry));
  EXPECT_EQ(U(entry.szLocalPhoneNumber), u"srv");
  EXPECT_TRUE(boxes().empty());
}

TEST_F(PhoneBookTools, PardexDecodesEncryptedOptionsWithTheGivenPassword) {
  ASSERT_EQ(exit_code("pardex.exe", {"-n", "Enc", "-s", "srv", "-u", "u", "-k", "plain", "-ep", kEncryptedPassword,
                                     "-ek", kEncryptedKey, "-d", "install-pw"}),
            0);
  auto credentials = all_users_credentials("Enc");
  EXPECT_EQ(credentials.password, u"s3cret!");
  EXPECT_EQ(key_of("Enc"), u"psk-key-1");  // -ek wins over -k

  // An empty decryption password does not decode.
  EXPECT_EQ(exit_code("pardex.exe", {"-n", "Bad", "-s", "srv", "-u", "u", "-ep", kEncryptedPassword, "-d", ""}), 1);
  // A bad -vt keyword is reported before the failed decryption.
  EXPECT_EQ(exit_code("pardex.exe",
                      {"-n", "Bad", "-s", "srv", "-u", "u", "-ep", kEncryptedPassword, "-d", "wrong", "-vt", "Fast"}),
            1);
  auto texts = box_texts("Pardex");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Incorrect encryption password");
  EXPECT_EQ(texts[1].rfind("Unrecognized -vt type (VPN Strategy).\\nValid parameters are:\\nDefault : ", 0), 0u);
  EXPECT_NE(texts[1].find("\\nSstpFirst : SSTP is attempted first. (Supported on Windows Server 2008 or later)\\n"),
            std::string::npos);
  EXPECT_EQ(entry_names(), (std::vector<std::string>{"Enc"}));
}

TEST_F(PhoneBookTools, QuorrilQuestionsAndTheirErrors) {
  EXPECT_EQ(run("Quorril.exe").out, "");
  EXPECT_EQ(quorril("S?"), "ERROR: Cannot query servers and connection status simultaneously.");
  EXPECT_EQ(quorril("?s"), "ERROR: Cannot query servers and connection status simultaneously.");
  EXPECT_EQ(quorril("AB"), "ERROR: Must specify S or ? to indicate action.");
  EXPECT_EQ(quorril("A?"), "FALSE");  // no entry at all
  EXPECT_EQ(quorril("AS"), "");
}

TEST_F(PhoneBookTools, QuorrilGroupsEntriesByTheirNames) {
  add_entry("AUTO-A0", "x");
  add_entry("AUTO-A1", "");
  add_entry("AUTO-A2", "y");
  add_entry("xAUTO-A3", "a3");
  add_entry("AUTO-B0", "b0,");
  add_entry("auto-a5", "lower");  // names are unique in any case: no AUTO-A5 here
  add_entry("AUTO-A12", "twelve");
  add_entry("AUTO-AUTO-A1", "twice");
  add_entry("VPN123", "short");
  add_entry("Modem AUTO-A4", "modem", u"modem");
  EXPECT_EQ(quorril("AS"), "x,y,a3");
  // The B server's own trailing comma goes as well.
  EXPECT_EQ(quorril("abs"), "x,y,a3,b0");
  EXPECT_EQ(quorril("XS"), "lower,twelve,twice,short");
  EXPECT_EQ(quorril("Sx?A"), "ERROR: Cannot query servers and connection status simultaneously.");
}

TEST_F(PhoneBookTools, QuorrilFindsTheConnectedEntryOfAGroup) {
  add_entry("AUTO-A0", "vpn2.example.net");
  add_entry("AUTO-A1", "vpn1.example.net");
  add_entry("Other", "vpn1.example.net");
  set_credentials("AUTO-A1", "alice", "secret");
  EXPECT_EQ(quorril("A?"), "FALSE");
  ASSERT_EQ(exit_code("dimbrel.exe", {"AUTO-A1"}), 0);
  EXPECT_EQ(quorril("A?"), "TRUE");
  EXPECT_EQ(quorril("BX?"), "FALSE");
}

TEST_F(PhoneBookTools, DimbrelArgumentsAndLookup) {
  EXPECT_EQ(exit_code("dimbrel.exe"), 1);
  EXPECT_EQ(exit_code("dimbrel.exe", {"a", "b"}), 1);
  EXPECT_EQ(exit_code("dimbrel.exe", {""}), 1);
  EXPECT_EQ(exit_code("dimbrel.exe", {"AUTO"}), 1);  // no entries at all
  add_entry("AUTO-A1", "vpn1.example.net");
  add_entry("AUTO-A0", "vpn2.example.net");
  EXPECT_EQ(exit_code("dimbrel.exe", {"auto-a1"}), 1);  // the search keeps case
  EXPECT_EQ(box_texts("Dimbrel"), (std::vector<std::string>{"Incorrect number of arguments",
                                                            "Incorrect number of arguments", "Empty argument",
                                                            "No such connection", "No such connection"}));
  for (const Box& box : boxes()) EXPECT_EQ(box.program, "dimbrel.exe");

  // The first of the two entries whose names contain the text, in phone-book order; the list
  // needs more than the first attempt's buffer.
  set_credentials("AUTO-A1", "alice", "secret");
  set_credentials("AUTO-A0", "alice", "secret");
  ASSERT_EQ(exit_code("dimbrel.exe", {"AUTO"}), 0);
  EXPECT_EQ(connections(), (std::vector<std::string>{"AUTO-A1"}));
  EXPECT_EQ(boxes().size(), 5u);
}

TEST_F(PhoneBookTools, DimbrelReportsAFailedDialAndLeavesNoConnection) {
  add_entry("AUTO-A0", "vpn1.example.net");
  set_credentials("AUTO-A0", "alice", "wrong");
  EXPECT_EQ(exit_code("dimbrel.exe", {"A0"}), 1);
  WCHAR text[512] = {};
  ASSERT_EQ(RasGetErrorStringW(691, text, 512), DWORD(ERROR_SUCCESS));
  EXPECT_EQ(box_texts("Dimbrel"),
            (std::vector<std::string>{"RAS error 691: " + u8(text) +
                                      "\\nFor more help on this error:\\nType 'hh netcfg.chm'\\nIn help, click "
                                      "Troubleshooting, then Error Messages, then 691"}));
  EXPECT_TRUE(connections().empty());

  // An entry without stored credentials cannot be dialled either.
  add_entry("Bare", "vpn1.example.net");
  EXPECT_EQ(exit_code("dimbrel.exe", {"Bare"}), 1);
  EXPECT_TRUE(connections().empty());
}

TEST_F(PhoneBookTools, SornetRemovesOneNetworkFromBothPhoneBooks) {
  add_entry("AUTO-A0", "a0");
  add_entry("auto-a1", "a1");  // the service's rule ignores case
  add_entry("XAUTO-A2", "a2");
  add_entry("AUTO-A", "no digit");
  add_entry("AUTO-B0", "b0");
  add_entry("Home", "home");
  add_entry("AUTO-A3", "a3", u"vpn", platform::ras::user_phonebook());
  set_credentials("AUTO-A0", "alice", "secret");

  EXPECT_EQ(exit_code("sornet.exe"), 1);
  EXPECT_EQ(exit_code("sornet.exe", {"AUTO-C"}), 1);
  EXPECT_EQ(entry_names().size(), 7u);

  EXPECT_EQ(exit_code("sornet.exe", {"auto-a"}), 0);
  EXPECT_EQ(entry_names(), (std::vector<std::string>{"AUTO-A", "AUTO-B0", "Home"}));
  EXPECT_EQ(all_users_credentials("AUTO-A0").stored, 0u);
  // Nothing left to remove is no failure.
  EXPECT_EQ(exit_code("sornet.exe", {"AUTO-A"}), 0);
  EXPECT_EQ(exit_code("sornet.exe", {"AUTO-B"}), 0);
  EXPECT_EQ(entry_names(), (std::vector<std::string>{"AUTO-A", "Home"}));
}

}  // namespace
