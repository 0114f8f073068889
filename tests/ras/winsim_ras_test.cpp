// winsim ras add and entries: an entry the machine tool makes dials like one a program makes.
#include "ras/dial_fixture.h"

namespace {

using namespace ras_testing;

TEST_F(RasDialTest, AnEntryAddedByTheMachineToolDialsWithItsCredentialsAndKey) {
  world_set({"vpn", "vpn2.example.net", "psk", "k3y", "dial", "0"});
  auto added = winsim({"ras", "add", "Branch", "--server", "vpn2.example.net", "--user", "alice", "--password",
                       "secret", "--psk", "k3y"});
  ASSERT_EQ(added.exit_code, 0) << added.err;
  added = winsim({"ras", "add", "Mine", "--server", "vpn1.example.net", "--user", "alice", "--password", "secret",
                  "--phonebook", "user"});
  ASSERT_EQ(added.exit_code, 0) << added.err;
  EXPECT_NE(winsim({"ras", "add", "Broken", "--server"}).exit_code, 0);

  auto listed = winsim({"ras", "entries"});
  EXPECT_NE(listed.out.find("Branch"), std::string::npos) << listed.out;
  EXPECT_LT(listed.out.find("Branch"), listed.out.find("Mine"));  // the all-users phone book first

  HRASCONN branch = nullptr, mine = nullptr;
  EXPECT_EQ(dial(u"Branch", &branch), 0u);
  EXPECT_EQ(dial(u"Mine", &mine), 0u);
  RASCONNW connections[2] = {};
  connections[0].dwSize = sizeof(RASCONNW);
  DWORD bytes = sizeof connections, count = 0;
  ASSERT_EQ(RasEnumConnectionsW(connections, &bytes, &count), 0u);
  ASSERT_EQ(count, 2u);
  // The user's own entry dials with the user's own credentials.
  EXPECT_EQ(connections[1].dwFlags, 0u);
}

}  // namespace
