// The RAS side of the authentication page's test, against the machine's RAS and network world:
// the dial with the typed credentials and the hang-up of every connection.
#include <gtest/gtest.h>
#include <windows.h>
#include <ras.h>

#include "ras/dial_fixture.h"
#include "support/wide.h"
#include "test_connection.h"

namespace {

using testing_support::U;

class WizardTestConnection : public ras_testing::RasDialTest {
 protected:
  DWORD live_connections() {
    RASCONNW conns[8] = {};
    conns[0].dwSize = sizeof(RASCONNW);
    DWORD size = sizeof conns, count = 0;
    EXPECT_EQ(RasEnumConnectionsW(conns, &size, &count), DWORD(ERROR_SUCCESS));
    return count;
  }
};

TEST_F(WizardTestConnection, DialsTheTypedServerAndCredentialsAndHangsUpAfterwards) {
  // What the entry stores does not count: the test proves what the user typed.
  add_entry(u"Kelvra", u"vpn1.example.net", u"stale");
  CString strAddress;
  EXPECT_TRUE(DialTestEntry(L"vpn2.example.net", L"alice", L"secret", strAddress));
  EXPECT_EQ(U(strAddress), u"10.9.0.2") << "the address vpn2 assigns";
  EXPECT_EQ(live_connections(), 0u);

  CString strRefused;
  EXPECT_FALSE(DialTestEntry(L"vpn1.example.net", L"alice", L"wrong", strRefused));
  EXPECT_EQ(U(strRefused), u"");
  EXPECT_EQ(live_connections(), 0u) << "a refused dial leaves nothing behind";
}

TEST_F(WizardTestConnection, WithoutTheEntryNothingIsDialled) {
  add_entry(u"Other", u"vpn1.example.net");
  CString strAddress;
  EXPECT_FALSE(DialTestEntry(L"vpn1.example.net", L"alice", L"secret", strAddress));
  EXPECT_EQ(U(strAddress), u"");
  EXPECT_EQ(live_connections(), 0u);
}

TEST_F(WizardTestConnection, HangsUpEveryConnectionOfTheMachine) {
  EXPECT_EQ(HangUpAllConnections(), DWORD(ERROR_SUCCESS)) << "nothing to hang up";
  // More connections than the first listing's buffer holds.
  const char16_t* const names[] = {u"AUTO-A0", u"AUTO-B0", u"Office"};
  const char16_t* const servers[] = {u"vpn1.example.net", u"vpn2.example.net", u"vpn2.example.net"};
  for (int i = 0; i < 3; ++i) {
    add_entry(names[i], servers[i]);
    HRASCONN connection = nullptr;
    ASSERT_EQ(dial(names[i], &connection), DWORD(ERROR_SUCCESS));
  }
  ASSERT_EQ(live_connections(), 3u);
  EXPECT_EQ(HangUpAllConnections(), DWORD(ERROR_SUCCESS));
  EXPECT_EQ(live_connections(), 0u);
}

}  // namespace
