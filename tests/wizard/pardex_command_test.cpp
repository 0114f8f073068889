// The Pardex command line of the settings test and of the installation batch file: the cmd.exe
// escapes, the quoting of passwords and keys, the optional parts.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "pardex_command.h"
#include "support/wide.h"

namespace {

using testing_support::U;
using testing_support::W;

PardexEntry Entry(const char16_t* password, const char16_t* key = u"") {
  PardexEntry entry;
  entry.strEntry = L"AUTO-A0";
  entry.strServer = L"vpn1.example.net";
  entry.strUser = L"alice";
  entry.strPassword = W(password);
  entry.strPreSharedKey = W(key);
  return entry;
}

std::u16string Line(const PardexEntry& entry, bool bForBatchFile) {
  return U(PardexCommandLine(entry, bForBatchFile));
}

std::u16string Head(const std::u16string& password) {
  return u"pardex.exe -n AUTO-A0 -s vpn1.example.net -u alice -p " + password;
}

TEST(PardexCommandLine, BatchFormEscapesTheSevenCmdCharactersCaretFirst) {
  PardexEntry entry = Entry(u"a^b>c<d|e%f&g+h", u"k^%&+");
  EXPECT_EQ(Line(entry, true), Head(u"a^^b^>c^<d^|e%%f^&g^+h") + u" -k k^^%%^&^+");
  EXPECT_EQ(Line(entry, false), Head(u"a^b>c<d|e%f&g+h") + u" -k k^%&+")
      << "a process command line is not cmd's business";

  // The carets that the other escapes insert are not doubled again.
  EXPECT_EQ(Line(Entry(u"^&^"), true), Head(u"^^^&^^"));
  EXPECT_EQ(Line(Entry(u"%%"), true), Head(u"%%%%"));
}

TEST(PardexCommandLine, ServerAndUserStandAsTheyAre) {
  PardexEntry entry = Entry(u"secret");
  entry.strServer = L"vpn&1";
  entry.strUser = L"al ice";
  EXPECT_EQ(Line(entry, true), u"pardex.exe -n AUTO-A0 -s vpn&1 -u al ice -p secret");
}

TEST(PardexCommandLine, PasswordsWithBlanksQuotesOrTabsAreQuoted) {
  struct Case {
    const char16_t* password;
    const char16_t* argument;
  } cases[] = {
      {u"pass word", u"\"pass word\""},
      {u"tab\there", u"\"tab\there\""},
      {u"say\"hi", u"\"say\\\"hi\""},
      {u"a\\b c", u"\"a\\b c\""},                  // a backslash before no quote stays single
      {u"a b\\", u"\"a b\\\\\""},                   // doubled before the closing quote
      {u"a\\\\\"b", u"\"a\\\\\\\\\\\"b\""},         // two before a quote become four, plus one
      {u"back\\slash", u"back\\slash"},             // nothing to quote: unchanged
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Line(Entry(c.password), false), Head(c.argument)) << testing_support::u8(c.password);

    // Pardex gets the password back as one argument.
    std::u16string line = Line(Entry(c.password), false);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(W(line), &argc);
    ASSERT_NE(argv, nullptr);
    ASSERT_EQ(argc, 9);
    EXPECT_EQ(U(argv[8]), c.password);
    LocalFree(argv);
  }
}

TEST(PardexCommandLine, BatchFormLeavesCmdCharactersInsideQuotesAlone) {
  EXPECT_EQ(Line(Entry(u"50% a^b & c"), true), Head(u"\"50%% a^b & c\""))
      << "cmd expands % even inside quotes, nothing else";
  // The escaped quote ends cmd's quoted part, so the & between the quotes stands outside it.
  EXPECT_EQ(Line(Entry(u"a \"&\" b"), true), Head(u"\"a \\\"^&\\\" b\""));
  EXPECT_EQ(Line(Entry(u"pass word", u"key word+"), true),
            Head(u"\"pass word\"") + u" -k \"key word+\"");
}

TEST(PardexCommandLine, KeyAndRemoteGatewayParts) {
  EXPECT_EQ(Line(Entry(u"secret"), true), Head(u"secret")) << "an empty key gives no -k";
  EXPECT_EQ(Line(Entry(u"secret", u"   "), true), Head(u"secret") + u" -k \"   \"")
      << "a key of blanks is a key";

  PardexEntry entry = Entry(u"secret", u"psk");
  entry.bRemoteGateway = true;
  EXPECT_EQ(Line(entry, true), Head(u"secret") + u" -k psk -rg ");
  EXPECT_EQ(Line(entry, false), Head(u"secret") + u" -k psk -rg ");
}

}  // namespace
