// Halvorn through a simulated week of faults with two entries in each network: drops, servers,
// routers and links going and coming back, delays and the default gateway changing. It must keep
// running, never hold two connections of one network, log every pass of its loops, answer the
// stop at the end, and leave the phone books and the registry as they were.
#include <iostream>
#include <mutex>
#include <random>
#include <regex>

#include "scenarios/connection_watch.h"
#include "scenarios/halvorn_fixture.h"
#include "scenarios/soak_world.h"

namespace {

using namespace halvorn_testing;

// A week in about 200 real seconds. The machine time that the processes' own work takes grows
// with the scale; the week's figures below are in machine time and include it.
constexpr double kScale = 3000;
constexpr long long kWeekMs = 7LL * 24 * 3600 * 1000;
constexpr int kFaults = 200;
constexpr unsigned kSeed = 20261209;
constexpr DWORD kStopWaitHint = 1000;
// At this scale a wait hint of one machine second is a third of a real millisecond, less than
// one status report costs in the sanitizer build: the check point must move within the hint plus
// this much real time, which a heartbeat that stopped reporting would overrun.
constexpr double kReportSlackRealMs = 250;

std::map<std::string, std::string> phone_books(const fs::path& drive) {
  std::map<std::string, std::string> books;
  for (const auto& item : fs::recursive_directory_iterator(drive)) {
    std::string extension = item.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
    if (!item.is_regular_file() || extension != ".pbk") continue;
    std::ifstream in(item.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    books[item.path().string()] = text.str();
  }
  return books;
}

bool is_pass_line(const std::string& text) {
  static const std::regex pass("[0-9]+ Gateway-Server combinations available");
  return text == "No Gateway-Server combinations available; Trying again" || std::regex_match(text, pass);
}

bool is_dial_outcome(const std::string& text) {
  return text == "Connection is active now;" || text == "Connection closed;";
}

class HalvornSoak : public HalvornTest {
 protected:
  void SetUp() override {
    HalvornTest::SetUp();
    remake(kScale);
    for (const auto& statement : world_.setup_statements()) world_set(statement);
    for (char network : {'A', 'B'})
      for (const SoakEntry& entry : SoakWorld::entries_of(network)) add_entry(entry.name, entry.server);
    std::vector<std::string> options = {"-l", "1"};
    for (const std::string& router : SoakWorld::configured_routers()) options.insert(options.end(), {"-r", router});
    install_with(options);
  }


  std::string registry() {
    return winsim({"reg", "query", "HKLM", "/s"}).out + winsim({"reg", "query", "HKU", "/s"}).out;
  }

  // The fault at `index`: a drop of a live connection one time in three, else a change of the world.
  void throw_fault(std::mt19937& random, ConnectionWatch& watch, int& drops) {
    std::vector<LiveConnection> live = watch.latest();
    if (!live.empty() && std::uniform_int_distribution<int>(0, 2)(random) == 0) {
      const LiveConnection& victim = live[std::uniform_int_distribution<size_t>(0, live.size() - 1)(random)];
      winsim({"ras", "drop", victim.entry});  // it may have gone meanwhile
      ++drops;
      return;
    }
    std::vector<std::string> statement;
    {
      std::lock_guard<std::mutex> lock(world_mutex_);
      statement = world_.random_change(random);
    }
    world_set(statement);
  }

  // Stops the service, watching its reports: every pending one names a wait hint, its check
  // point moves on within that hint, and the stop ends stopped and without an error.
  void stop_within_wait_hints() {
    std::thread stopper([this] { winsim({"net", "stop", "Halvorn"}); });
    const long long slack = static_cast<long long>(kReportSlackRealMs * kScale);
    SERVICE_STATUS status{};
    long long since = -1, started = -1, longest = 0, looked = -1;
    DWORD check_point = 0, reports = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (query(&status) != SERVICE_STOPPED && std::chrono::steady_clock::now() < deadline) {
      long long now = GetTickCount();
      if (status.dwCurrentState != SERVICE_STOP_PENDING) continue;
      EXPECT_EQ(status.dwWaitHint, kStopWaitHint);
      if (started < 0) started = since = now;
      // A stretch in which this test itself could not look says nothing of the heartbeat.
      if (looked >= 0 && now - looked > slack) since = now;
      looked = now;
      if (status.dwCheckPoint != check_point) {
        EXPECT_GT(status.dwCheckPoint, check_point);
        check_point = status.dwCheckPoint;
        since = now;
        ++reports;
      }
      longest = std::max(longest, now - since);
    }
    EXPECT_LE(longest, kStopWaitHint + slack) << "machine ms without a new check point";
    stopper.join();
    EXPECT_EQ(query(&status), DWORD(SERVICE_STOPPED));
    EXPECT_EQ(status.dwWin32ExitCode, 0u);
    std::cout << "stop: " << (started < 0 ? 0 : GetTickCount() - started) << " machine ms, " << reports
              << " check points, longest " << longest << " machine ms without a new one\n";
  }

  SoakWorld world_;
  std::mutex world_mutex_;
};

TEST_F(HalvornSoak, AWeekOfFaultsLeavesItRunningWithOneConnectionPerNetwork) {
  const std::string registry_before = registry();
  const auto books_before = phone_books(root_ / "drive_c");
  start_fast();

  ConnectionWatch watch(
      [this](char network) {
        std::lock_guard<std::mutex> lock(world_mutex_);
        return world_.usable(network);
      },
      [this] { return state(); });
  std::mt19937 random(kSeed);
  const long long began = GetTickCount();
  int drops = 0;
  for (int fault = 0; fault < kFaults; ++fault) {
    long long at = began + kWeekMs * (fault + 1) / (kFaults + 1);
    while (GetTickCount() < at) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    throw_fault(random, watch, drops);
    if ((fault + 1) % 50 == 0) {
      auto figures = watch.figures();
      std::cout << "faults " << fault + 1 << ", connections seen A " << figures.connections_seen['A'] << " B "
                << figures.connections_seen['B'] << ", longest gap A " << figures.longest_gap_ms['A'] / 1000
                << " s B " << figures.longest_gap_ms['B'] / 1000 << " s" << std::endl;
    }
  }
  while (GetTickCount() < began + kWeekMs) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  watch.stop();
  const auto figures = watch.figures();
  EXPECT_TRUE(figures.foreign_states.empty()) << "the service left RUNNING: state " << figures.foreign_states[0];
  EXPECT_TRUE(figures.doubles.empty()) << figures.doubles.size() << " polls saw two connections of one network, first "
                                       << figures.doubles[0];

  stop_within_wait_hints();

  // Every dial stands after the line of its pass, and every connection seen came from a dial
  // the log shows.
  const std::vector<std::string> texts = messages();
  int passes = 0, outcomes = 0, first_orphan = -1;
  std::map<char, int> connected;
  for (int i = 0; i < int(texts.size()); ++i) {
    if (is_pass_line(texts[i])) ++passes;
    if (is_dial_outcome(texts[i]) && ++outcomes > passes && first_orphan < 0) first_orphan = i;
    for (char network : {'A', 'B'})
      for (const SoakEntry& entry : SoakWorld::entries_of(network))
        if (texts[i] == "\"" + entry.name + "\" Connection Successfull.") ++connected[network];
  }
  EXPECT_EQ(first_orphan, -1) << "a dial without its pass line at line " << first_orphan;
  for (char network : {'A', 'B'}) {
    EXPECT_GE(connected[network], figures.connections_seen.at(network)) << network;
    EXPECT_GT(figures.connections_seen.at(network), 1) << network;
  }
  EXPECT_TRUE(in_order(texts, {"Service STOP initiated externally", "Closing the logger and Shutting Down"}));
  EXPECT_EQ(texts.back(), kRule);

  EXPECT_EQ(phone_books(root_ / "drive_c"), books_before);
  EXPECT_EQ(registry(), registry_before);

  const int reconnects = connected['A'] + connected['B'] - 2;
  std::cout << "soak: " << kFaults << " faults (" << drops << " drops), " << passes << " passes, " << reconnects
            << " reconnects, longest without a connection while a pair was usable: A "
            << figures.longest_gap_ms.at('A') / 1000.0 << " s, B " << figures.longest_gap_ms.at('B') / 1000.0
            << " s (machine), " << figures.polls << " polls" << std::endl;
  RecordProperty("faults", kFaults);
  RecordProperty("drops", drops);
  RecordProperty("passes", passes);
  RecordProperty("reconnects", reconnects);
  RecordProperty("longest_gap_a_ms", std::to_string(figures.longest_gap_ms.at('A')));
  RecordProperty("longest_gap_b_ms", std::to_string(figures.longest_gap_ms.at('B')));
}

}  // namespace
