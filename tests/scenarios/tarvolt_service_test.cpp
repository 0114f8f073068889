// The service Halvorn as the service control manager and an administrator see it: started with
// net.exe, stopped from outside or by itself, its status reports and its log, in a fresh machine
// whose clock runs fast.
#include "scenarios/halvorn_fixture.h"

namespace {

using namespace halvorn_testing;
namespace fs = std::filesystem;

using TarvoltService = HalvornTest;

TEST_F(TarvoltService, WithoutEntriesItShutsDownAndAsksForItsOwnStopTwoSecondsLater) {
  install(3);
  start();
  ASSERT_TRUE(wait_for_state(SERVICE_STOPPED));
  std::vector<LogLine> lines = log();
  std::vector<std::string> texts = messages();
  int no_entries = index_of(texts, "No VPN connections, Shutting down the serivce");
  ASSERT_GE(no_entries, 0);
  EXPECT_TRUE(contiguous_at(texts, shutdown_lines(), no_entries + 1));
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "RRAS is not running."), 1);
  EXPECT_LT(index_of(texts, "Invoking Tarvolt Servicemain"), index_of(texts, "Tarvolt ServiceMain invoked"));
  // The stop it asks for comes back through the control handler after ServiceMain's rest.
  int closed = index_of(texts, "All the threads are closed");
  int stop = index_of(texts, "Service STOP initiated externally", closed);
  ASSERT_GT(stop, closed);
  long long rest = lines[stop].utc_ms - lines[closed].utc_ms;
  EXPECT_GE(rest, 1900);
  EXPECT_LT(rest, 30000) << "a loaded host stretches the machine time the stop takes, but it comes";
}

TEST_F(TarvoltService, AStopFromTheManagerWritesItsLinesAndRaisesTheCheckPoint) {
  // The handler shuts down before it returns, and the manager waits 30 machine seconds for it: a
  // clock at host speed keeps a loaded host's delays from running out that limit.
  remake(1.0);
  install(3);
  add_slow_entry("4000ms");
  start();
  ASSERT_TRUE(wait_for_message("RAS-API call : RasDial()"));

  // The stop waits for the dial, so the heartbeat reports several times.
  BOOL stopped = FALSE;
  std::vector<DWORD> check_points =
      stop_watching_check_points(&stopped, [](const SERVICE_STATUS& pending) { EXPECT_EQ(pending.dwWaitHint, 1000u); });
  EXPECT_TRUE(stopped);
  SERVICE_STATUS status{};
  EXPECT_EQ(query(&status), DWORD(SERVICE_STOPPED));
  EXPECT_EQ(status.dwCheckPoint, 0u);
  EXPECT_EQ(status.dwWin32ExitCode, 0u);
  ASSERT_GE(check_points.size(), 3u);
  EXPECT_EQ(check_points[0], 0u);
  for (size_t i = 1; i < check_points.size(); ++i) EXPECT_GT(check_points[i], check_points[i - 1]);
  EXPECT_EQ(check_points[1], 1u);

  std::vector<std::string> texts = messages();
  int stop = index_of(texts, "Service STOP initiated externally");
  ASSERT_GT(stop, 0);
  EXPECT_EQ(texts[stop - 1], kRule);
  EXPECT_EQ(texts[stop + 1], kRule);
  // The connection loop winds down between the joins; the shutdown's own lines keep their order
  // and end the log.
  EXPECT_TRUE(in_order(texts, shutdown_lines(), stop)) << log_text();
  EXPECT_EQ(texts.back(), kRule);
}

TEST_F(TarvoltService, AtLogLevelOneAStopWritesOnlyItsLevelOneLines) {
  install(1);
  add_slow_entry();
  start();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_EQ(winsim({"net", "stop", "Halvorn"}).exit_code, 0);
  ASSERT_TRUE(wait_for_state(SERVICE_STOPPED));
  // The connection loop's own level-1 lines may stand between them.
  std::vector<std::string> texts = messages();
  EXPECT_TRUE(in_order(texts, {kRule, "Service STOP initiated externally", kRule, "ShutdownServices Part 12",
                               "Closing the logger and Shutting Down", kRule}))
      << log_text();
  for (const char* detail : {"ShutdownServices Part 1", "ShutdownServices Part 11", "All the threads are closed",
                                    "Tarvolt ServiceMain invoked", "Logger Initialized"})
    EXPECT_EQ(index_of(texts, detail), -1) << detail;
}

TEST_F(TarvoltService, PauseAndContinueLeaveItRunningAsTheManagerSeesIt) {
  install(3);
  add_slow_entry();
  start();
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  SC_HANDLE service = OpenServiceA(manager, "Halvorn", SERVICE_ALL_ACCESS);
  ASSERT_NE(service, nullptr);
  SERVICE_STATUS status{};
  EXPECT_TRUE(ControlService(service, SERVICE_CONTROL_PAUSE, &status));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_TRUE(ControlService(service, SERVICE_CONTROL_CONTINUE, &status));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_TRUE(ControlService(service, SERVICE_CONTROL_PAUSE, &status));
  CloseServiceHandle(service);
  CloseServiceHandle(manager);
  EXPECT_TRUE(wait_for_message("RAS-API call : RasDial()")) << "the loop goes on";
  EXPECT_NE(winsim({"sc", "query", "Halvorn"}).out.find("4  RUNNING"), std::string::npos);
  EXPECT_EQ(index_of(messages(), "Service STOP initiated externally"), -1);
}

TEST_F(TarvoltService, WithoutArgumentsOutsideTheManagerItEndsAndChangesNothing) {
  install(3);
  std::string key = "HKLM\\SYSTEM\\CurrentControlSet\\Services\\Halvorn";
  std::string settings = winsim({"reg", "query", key, "/s"}).out;
  auto run = winsim({"run", "tarvolt.exe"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(winsim({"reg", "query", key, "/s"}).out, settings);
  EXPECT_EQ(state(), DWORD(SERVICE_STOPPED));
  std::vector<std::string> texts = messages();
  EXPECT_EQ(index_of(texts, "Tarvolt ServiceMain invoked"), -1);
  EXPECT_EQ(index_of(texts, "ShutdownServices Part 1"), -1);
}

TEST_F(TarvoltService, RemoteAccessRunningGivesTheWarningWithItsEightTabs) {
  ASSERT_EQ(winsim({"world", "set", "remote-access", "running"}).exit_code, 0);
  install(1);
  start();
  ASSERT_TRUE(wait_for_state(SERVICE_STOPPED));
  std::vector<std::string> texts = messages();
  std::string warning = "RRAS used in conjuction with VPN client " + std::string(8, '\t') +
                        " may not be as reliable as if you disable RRAS.";
  EXPECT_EQ(std::count(texts.begin(), texts.end(), warning), 1);
  EXPECT_EQ(index_of(texts, "RRAS is not running."), -1);
}

// The fastest gateway-server pair is dialled through its host route; a drop is noticed, counted
// against the pair and redialled.
using TarvoltConnection = HalvornTest;

TEST_F(TarvoltConnection, TheFastestPairIsDialledAndADropIsRedialled) {
  add_entry("AUTO-A0", "vpn1.example.net");
  install_with({"-r", "192.168.1.2", "-r", "192.168.1.3", "-l", "3"});
  start();
  const std::string dialled = "\"AUTO-A0\" Dialing Successful.";
  ASSERT_TRUE(wait_for_count(dialled, 1)) << log_text();

  // Via .2 the server answers in 20 ms, via the gateway .1 in 40, via .3 not at all.
  auto texts = messages();
  EXPECT_GE(index_of(texts, "Route for 192.168.1.2 for the server vpn1.example.net pings in 20ms"), 0);
  EXPECT_GE(index_of(texts, "Route for 192.168.1.3 for the server vpn1.example.net pings in 5001ms"), 0);
  EXPECT_LT(index_of(texts, "Route for 192.168.1.2 for the server vpn1.example.net pings in 20ms"),
            index_of(texts, "Route for 192.168.1.1 for the server vpn1.example.net pings in 40ms"));
  auto connections = winsim({"ras", "connections"});
  EXPECT_NE(connections.out.find("AUTO-A0"), std::string::npos) << connections.out;
  EXPECT_GE(index_of(texts, "Route for vpn1.example.net, changed to 192.168.1.2"), 0);

  ASSERT_EQ(winsim({"ras", "drop", "AUTO-A0"}).exit_code, 0);
  ASSERT_TRUE(wait_for_count(dialled, 2)) << log_text();
  texts = messages();
  int drop = index_of(texts, "pVPNObject->GetNotifier() Notified disconnection");
  EXPECT_GE(drop, 0);
  EXPECT_GT(index_of(texts, "Setting new Timestamp", drop), drop);

  ASSERT_EQ(winsim({"net", "stop", "halvorn"}).exit_code, 0);
  EXPECT_TRUE(wait_for_state(SERVICE_STOPPED));
  EXPECT_TRUE(in_order(messages(), shutdown_lines()));
}

}  // namespace
