// Connections outlive the process that dialled them, and a drop signals the events that
// RasConnectionNotification armed, whatever caused it.
#include <cstdio>

#include "ras/dial_fixture.h"

namespace {

using namespace ras_testing;

// At clock scale 1, so that one tick of the machine's clock (16 ms) is a real one; the server
// answers at once.
class RasNotificationTest : public RasDialTest {
 protected:
  void SetUp() override {
    RasDialTest::SetUp();
    recreate(platform::machine::Options{});
    world_set({"vpn", "vpn1.example.net", "dial", "0"});
  }
  // The machine signals within a clock tick; a loaded host may take longer to run the process's
  // watcher, so a wait allows a second. An event that is never signalled still fails.
  static constexpr DWORD kSignalWaitMs = 1000;
  HRASCONN dial_armed(HANDLE* dropped) {
    add_entry(u"Office", u"vpn1.example.net");
    HRASCONN connection = nullptr;
    EXPECT_EQ(dial(u"Office", &connection), 0u);
    *dropped = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    EXPECT_EQ(RasConnectionNotificationW(connection, *dropped, RASCN_Disconnection), 0u);
    return connection;
  }
};

TEST_F(RasNotificationTest, AForcedDropSignalsTheEvent) {
  HANDLE dropped = nullptr;
  HRASCONN connection = dial_armed(&dropped);
  EXPECT_EQ(WaitForSingleObject(dropped, 0), DWORD(WAIT_TIMEOUT));
  auto result = winsim({"ras", "drop", "Office"});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  // One tick of the machine's clock at most after the drop.
  EXPECT_EQ(WaitForSingleObject(dropped, kSignalWaitMs), DWORD(WAIT_OBJECT_0));
  RASCONNSTATUSA status{};
  status.dwSize = sizeof status;
  EXPECT_EQ(RasGetConnectStatusA(connection, &status), DWORD(ERROR_INVALID_HANDLE));
  EXPECT_NE(winsim({"ras", "drop", "Office"}).exit_code, 0);
  CloseHandle(dropped);
}

TEST_F(RasNotificationTest, TheServerGoingDownSignalsTheEvent) {
  HANDLE dropped = nullptr;
  HRASCONN connection = dial_armed(&dropped);
  world_set({"vpn", "vpn1.example.net", "down"});
  EXPECT_EQ(WaitForSingleObject(dropped, kSignalWaitMs), DWORD(WAIT_OBJECT_0));
  RASCONNSTATUSA status{};
  status.dwSize = sizeof status;
  EXPECT_EQ(RasGetConnectStatusA(connection, &status), DWORD(ERROR_INVALID_HANDLE));
  CloseHandle(dropped);
}

TEST_F(RasNotificationTest, TheRouterOfThePathGoingDownSignalsTheEvent) {
  HANDLE dropped = nullptr;
  dial_armed(&dropped);
  world_set({"router", "192.168.1.1", "down"});
  EXPECT_EQ(WaitForSingleObject(dropped, kSignalWaitMs), DWORD(WAIT_OBJECT_0));
  CloseHandle(dropped);
}

TEST_F(RasNotificationTest, ArmingNeedsALiveConnectionAndAnEvent) {
  HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  EXPECT_EQ(RasConnectionNotificationW(reinterpret_cast<HRASCONN>(uintptr_t(42)), event, RASCN_Disconnection),
            DWORD(ERROR_INVALID_HANDLE));
  HANDLE dropped = nullptr;
  HRASCONN connection = dial_armed(&dropped);
  EXPECT_EQ(RasConnectionNotificationW(connection, nullptr, RASCN_Disconnection), DWORD(ERROR_INVALID_HANDLE));
  // Armed for every connection: told of this one's end as well.
  ASSERT_EQ(RasConnectionNotificationW(reinterpret_cast<HRASCONN>(INVALID_HANDLE_VALUE), event, RASCN_Disconnection),
            0u);
  ASSERT_EQ(RasHangUpW(connection), 0u);
  EXPECT_EQ(WaitForSingleObject(event, kSignalWaitMs), DWORD(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(dropped, kSignalWaitMs), DWORD(WAIT_OBJECT_0));
  CloseHandle(event);
  CloseHandle(dropped);
}

TEST_F(RasNotificationTest, AConnectionOutlivesTheProcessThatDialledIt) {
  add_entry(u"Office", u"vpn1.example.net");
  auto child = testing_support::run_program(testing_support::program_dir() / "ras_holder.exe", {"Office", "0"});
  ASSERT_EQ(child.exit_code, 0) << child.out << child.err;
  EXPECT_EQ(winsim({"ras", "connections"}).out, "Connected to\nOffice\nCommand completed successfully.\n");
}

// A process holding a connection with its notification armed sleeps: no polling.
TEST_F(RasNotificationTest, AnArmedIdleProcessUsesNextToNoProcessorTime) {
  add_entry(u"Office", u"vpn1.example.net");
  auto child = testing_support::run_program(testing_support::program_dir() / "ras_holder.exe", {"Office", "3000"});
  ASSERT_EQ(child.exit_code, 0) << child.out << child.err;
  long long cpu_us = -1;
  int signalled = -1;
  ASSERT_EQ(std::sscanf(child.out.c_str() + child.out.find("signalled="), "signalled=%d cpu_us=%lld", &signalled,
                        &cpu_us),
            2)
      << child.out;
  EXPECT_EQ(signalled, 0);
  // 3% of the 3 s: a loaded host inflates every wake-up, but a process that polled would spend
  // far more.
  EXPECT_LT(cpu_us, 90000);
}

}  // namespace
