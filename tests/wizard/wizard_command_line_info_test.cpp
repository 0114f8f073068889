// The wizard's command line as the framework hands it over: one call per argument, the leading
// "-" or "/" stripped and flagged, the last one marked.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/wide.h"
#include "wizard_command_line_info.h"

namespace {

using testing_support::U;
using testing_support::W;

struct Parsed : CWizardCommandLineInfo {
  explicit Parsed(std::initializer_list<const char16_t*> args) {
    size_t i = 0;
    for (const char16_t* arg : args) {
      bool flag = arg[0] == u'-' || arg[0] == u'/';
      ParseParam(W(flag ? arg + 1 : arg), flag, ++i == args.size());
    }
  }
  std::u16string errors() const { return U(m_strErrors); }
};

const char16_t kNotEnough[] =
    u"Not enough arguments to run the setup wizard in unattended mode: Missing -s, -u and [-p | -ep] options\n";

TEST(WizardCommandLineTest, ServersUserAndPasswordRunUnattended) {
  Parsed plain({u"-s", u"vpn1.example.net", u"-u", u"alice", u"-p", u"secret"});
  EXPECT_EQ(plain.m_nMode, CWizardCommandLineInfo::ModeUnattended);
  EXPECT_EQ(plain.errors(), u"");
  EXPECT_EQ(plain.m_nServerCount, 1);
  EXPECT_EQ(U(plain.m_strServers[0]), u"vpn1.example.net");
  EXPECT_EQ(U(plain.m_strUser), u"alice");
  EXPECT_EQ(U(plain.m_strPlainPassword), u"secret");

  Parsed encrypted({u"/s", u"vpn1", u"/u", u"alice", u"/ep", u"QUJD", u"/d", u"pw", u"/rg", u"/i", u"10.8.0.2",
                    u"-k", u"key"});
  EXPECT_EQ(encrypted.m_nMode, CWizardCommandLineInfo::ModeUnattended) << testing_support::u8(encrypted.errors());
  EXPECT_EQ(U(encrypted.m_strEncryptedPassword), u"QUJD");
  EXPECT_EQ(U(encrypted.m_strDecryptionPassword), u"pw");
  EXPECT_TRUE(encrypted.m_bUseRemoteGateway);
  EXPECT_EQ(U(encrypted.m_strRequiredIp), u"10.8.0.2");
  EXPECT_EQ(U(encrypted.m_strPlainPreSharedKey), u"key");
}

TEST(WizardCommandLineTest, IncompleteSetsPrefillAnInteractiveRun) {
  Parsed noPassword({u"-s", u"vpn1", u"-u", u"alice", u"-i", u"10.8.0.2", u"-rg", u"-d", u"pw"});
  EXPECT_EQ(noPassword.m_nMode, 0);
  EXPECT_EQ(noPassword.errors(), u"");
  EXPECT_EQ(U(noPassword.m_strServers[0]), u"vpn1");

  Parsed noServer({u"-u", u"alice", u"-p", u"secret"});
  EXPECT_EQ(noServer.m_nMode, 0);
  EXPECT_EQ(noServer.errors(), u"");

  Parsed repeated({u"-u", u"first", u"-u", u"second"});
  EXPECT_EQ(U(repeated.m_strUser), u"second");
}

void ExpectNotEnough(std::initializer_list<const char16_t*> args) {
  Parsed parsed(args);
  EXPECT_EQ(parsed.m_nMode, CWizardCommandLineInfo::ModeError) << testing_support::u8(*args.begin());
  EXPECT_EQ(parsed.errors(), kNotEnough);
}

TEST(WizardCommandLineTest, RoutersAndKeysNeedTheUnattendedSet) {
  ExpectNotEnough({u"-r", u"192.168.1.2"});
  ExpectNotEnough({u"-k", u"key"});
  ExpectNotEnough({u"-ek", u"QUJD"});
  ExpectNotEnough({u"-s", u"vpn1", u"-u", u"alice", u"-r", u"192.168.1.2"});
  Parsed emptyKey({u"-k", u""});
  EXPECT_EQ(emptyKey.m_nMode, 0) << "an empty key is no key";
}

TEST(WizardCommandLineTest, PlainAndEncryptedFormsExcludeEachOther) {
  Parsed passwords({u"-s", u"vpn1", u"-u", u"alice", u"-p", u"secret", u"-ep", u"QUJD"});
  EXPECT_EQ(passwords.m_nMode, CWizardCommandLineInfo::ModeError);
  EXPECT_EQ(passwords.errors(), u"Only one of -p or -ep should be specified\n");

  Parsed both({u"-s", u"vpn1", u"-u", u"alice", u"-p", u"x", u"-ep", u"y", u"-k", u"a", u"-ek", u"b"});
  EXPECT_EQ(both.errors(), u"Only one of -p or -ep should be specified\nOnly one of -k or -ek should be specified\n");
  EXPECT_EQ(both.m_nMode, CWizardCommandLineInfo::ModeError) << "the unattended bit is replaced";
}

TEST(WizardCommandLineTest, FlagsAreExactAndValuesAreAwaited) {
  Parsed capital({u"-S", u"vpn1"});
  EXPECT_EQ(capital.errors(), u"S: Unrecognized flag\nvpn1: Unexpected parameter\n");
  EXPECT_EQ(capital.m_nMode, CWizardCommandLineInfo::ModeError);

  Parsed endsEarly({u"-u"});
  EXPECT_EQ(endsEarly.errors(), u"Unexpected end of command line\n");

  Parsed flagForValue({u"-u", u"-p", u"word"});
  EXPECT_EQ(flagForValue.errors(), u"p: Unexpected flag\n");
  EXPECT_EQ(U(flagForValue.m_strUser), u"word");
  EXPECT_EQ(U(flagForValue.m_strPlainPassword), u"");

  Parsed gatewayForValue({u"-s", u"-rg", u"vpn1"});
  EXPECT_FALSE(gatewayForValue.m_bUseRemoteGateway) << "a flag in place of a value is not acted on";
  EXPECT_EQ(U(gatewayForValue.m_strServers[0]), u"vpn1");

  Parsed stray({u"word"});
  EXPECT_EQ(stray.errors(), u"word: Unexpected parameter\n");
}

TEST(WizardCommandLineTest, AtMostThreeServersAndRouters) {
  Parsed servers({u"-s", u"a", u"-s", u"b", u"-s", u"c", u"-s", u"d", u"-x"});
  EXPECT_EQ(servers.errors(), u"d: No more than 3 servers should be specified\nx: Unrecognized flag\n");
  EXPECT_EQ(servers.m_nMode, CWizardCommandLineInfo::ModeError);
  EXPECT_EQ(servers.m_nServerCount, 3);
  EXPECT_EQ(U(servers.m_strServers[2]), u"c");

  Parsed routers({u"-s", u"a", u"-u", u"u", u"-p", u"p", u"-r", u"1", u"-r", u"2", u"-r", u"3", u"-r", u"4"});
  EXPECT_EQ(routers.errors(), u"4: No more than 3 routers should be specified\n");
  EXPECT_EQ(routers.m_nRouterCount, 3);
  EXPECT_EQ(U(routers.m_strRouters[0]), u"1");
}

TEST(WizardCommandLineTest, ErrorsKeepTheirOrder) {
  Parsed mixed({u"stray", u"-q", u"-s", u"a", u"-k", u"key", u"-r"});
  EXPECT_EQ(mixed.errors(), std::u16string(u"stray: Unexpected parameter\nq: Unrecognized flag\n"
                                           u"Unexpected end of command line\n") +
                                kNotEnough);
}

TEST(WizardCommandLineTest, PercentSignsInArgumentsAreText) {
  Parsed percent({u"%s%d"});
  EXPECT_EQ(percent.errors(), u"%s%d: Unexpected parameter\n");
}

}  // namespace
