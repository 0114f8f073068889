// The service Halvorn as the service control manager and an administrator see it: started with
// net.exe, stopped from outside or by itself, its status reports and its log, in a fresh machine
// whose clock runs fast.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "winsim/winsim_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kRule(52, '-');

struct LogLine {
  long long ms_of_day;
  std::string message;
};

class TarvoltService : public testing_support::WinsimTest {
 protected:
  void SetUp() override {
    WinsimTest::SetUp();
    recreate(winsim::machine::Options{10.0, 0});
    ASSERT_EQ(winsim({"install", testing_support::bin_dir().parent_path().string()}).exit_code, 0);
  }
  void TearDown() override {
    // A service a failed test left running ends with its machine.
    if (state() != SERVICE_STOPPED) winsim({"net", "stop", "Halvorn"});
    WinsimTest::TearDown();
  }
  void install(int log_level) {
    ASSERT_EQ(winsim({"run", "tarvolt.exe", "-i", "-l", std::to_string(log_level)}).exit_code, 0);
    fs::remove(log_path());
  }
  // An entry of network A whose dial lasts long enough for a stop to arrive during it.
  void add_slow_entry() {
    ASSERT_EQ(winsim({"ras", "add", "AUTO-A0", "--server", "vpn1.example.net", "--user", "alice", "--password",
                      "secret"}).exit_code,
              0);
    ASSERT_EQ(winsim({"world", "set", "vpn", "vpn1.example.net", "dial", "20000ms"}).exit_code, 0);
  }
  void start() {
    auto started = winsim({"net", "start", "halvorn"});
    ASSERT_EQ(started.exit_code, 0) << started.out << started.err;
  }
  DWORD query(SERVICE_STATUS* status) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, "Halvorn", SERVICE_QUERY_STATUS);
    BOOL queried = QueryServiceStatus(service, status);
    if (service) CloseServiceHandle(service);
    if (manager) CloseServiceHandle(manager);
    return queried ? status->dwCurrentState : 0;
  }
  DWORD state() {
    SERVICE_STATUS status{};
    return query(&status);
  }
  bool wait_for_state(DWORD wanted, std::chrono::seconds limit = std::chrono::seconds(60)) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (state() != wanted) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }
  bool wait_for_message(const std::string& message) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
      if (index_of(messages(), message) >= 0) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }
  fs::path log_path() const { return root_ / "drive_c/Tarvolt/Tarvolt.txt"; }
  // "2026-12-09, 01:00:17.0880\t: text": the milliseconds stand after ".0" without padding.
  std::vector<LogLine> log() const {
    std::istringstream in(log_text());
    std::vector<LogLine> lines;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      size_t tab = line.find("\t: ");
      if (tab == std::string::npos || tab < 23) continue;
      long long h = std::stoll(line.substr(12, 2)), m = std::stoll(line.substr(15, 2)), s = std::stoll(line.substr(18, 2));
      long long ms = std::stoll(line.substr(22, tab - 22));
      lines.push_back({((h * 60 + m) * 60 + s) * 1000 + ms, line.substr(tab + 3)});
    }
    return lines;
  }
  std::string log_text() const {
    std::ifstream in(log_path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const LogLine& line : log()) texts.push_back(line.message);
    return texts;
  }
  static int index_of(const std::vector<std::string>& texts, const std::string& text, int from = 0) {
    auto found = std::find(texts.begin() + std::min<size_t>(from, texts.size()), texts.end(), text);
    return found == texts.end() ? -1 : int(found - texts.begin());
  }
  // The lines of a complete shutdown at the most detailed level, in their order.
  static std::vector<std::string> shutdown_lines() {
    std::vector<std::string> lines;
    for (int part = 1; part <= 11; ++part) lines.push_back("ShutdownServices Part " + std::to_string(part));
    lines.insert(lines.end(), {"All the threads are closed", "ShutdownServices Part 12",
                               "Closing the logger and Shutting Down", kRule});
    return lines;
  }
  // Whether `expected` stands in `texts` in its order, other lines between them allowed.
  static bool in_order(const std::vector<std::string>& texts, const std::vector<std::string>& expected, int from = 0) {
    for (const std::string& line : expected) {
      from = index_of(texts, line, from);
      if (from < 0) return false;
      ++from;
    }
    return true;
  }
  // Whether `expected` stands in `texts` without other lines between them, from `from` on.
  static bool contiguous_at(const std::vector<std::string>& texts, const std::vector<std::string>& expected,
                            int from) {
    if (from < 0 || from + expected.size() > texts.size()) return false;
    return std::equal(expected.begin(), expected.end(), texts.begin() + from);
  }
};

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
  long long rest = lines[stop].ms_of_day - lines[closed].ms_of_day;
  EXPECT_GE(rest, 1900);
  EXPECT_LT(rest, 8000);
}

TEST_F(TarvoltService, AStopFromTheManagerWritesItsLinesAndRaisesTheCheckPoint) {
  install(3);
  add_slow_entry();
  start();
  ASSERT_TRUE(wait_for_message("RAS-API call : RasDial()"));

  // The stop waits for the dial, so the heartbeat reports several times.
  std::thread stopper([this] { winsim({"net", "stop", "Halvorn"}); });
  std::vector<DWORD> check_points;
  SERVICE_STATUS status{};
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (query(&status) != SERVICE_STOPPED && std::chrono::steady_clock::now() < deadline) {
    if (status.dwCurrentState == SERVICE_STOP_PENDING) {
      EXPECT_EQ(status.dwWaitHint, 1000u);
      if (check_points.empty() || check_points.back() != status.dwCheckPoint) check_points.push_back(status.dwCheckPoint);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  stopper.join();
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
class TarvoltConnection : public TarvoltService {
 protected:
  int count_of(const std::string& message) const {
    auto texts = messages();
    return int(std::count(texts.begin(), texts.end(), message));
  }
  bool wait_for_count(const std::string& message, int count) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (count_of(message) < count) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }
};

TEST_F(TarvoltConnection, TheFastestPairIsDialledAndADropIsRedialled) {
  ASSERT_EQ(winsim({"ras", "add", "AUTO-A0", "--server", "vpn1.example.net", "--user", "alice", "--password",
                    "secret"}).exit_code,
            0);
  ASSERT_EQ(winsim({"run", "tarvolt.exe", "-i", "-r", "192.168.1.2", "-r", "192.168.1.3", "-l", "3"}).exit_code, 0);
  fs::remove(log_path());
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
