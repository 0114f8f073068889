// The service Halvorn in a fresh machine whose clock runs fast: installed, started and stopped
// through the machine's tools, its status reports and its log read as an administrator would.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/winsim_fixture.h"

namespace halvorn_testing {

namespace fs = std::filesystem;

const std::string kRule(52, '-');

struct LogLine {
  long long utc_ms;  // the log's time stamps are UTC
  std::string message;
};

inline long long utc_ms(int year, int month, int day, int hour, int minute, int second, int ms) {
  tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return static_cast<long long>(timegm(&t)) * 1000 + ms;
}

// The machine's time now, as the log would stamp it.
inline long long machine_utc_ms() {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  return utc_ms(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

class HalvornTest : public testing_support::WinsimTest {
 protected:
  void SetUp() override {
    WinsimTest::SetUp();
    recreate(platform::machine::Options{10.0, 0});
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
  void add_slow_entry(const std::string& dial_time = "20000ms") {
    add_entry("AUTO-A0", "vpn1.example.net");
    ASSERT_EQ(winsim({"world", "set", "vpn", "vpn1.example.net", "dial", dial_time}).exit_code, 0);
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
  // Sends the stop as net.exe does, without first starting a process (which a loaded machine can
  // take most of a second for, so that the stop would land late), and records each check point
  // the service reports while the stop is pending, until it has stopped. `each` sees every status
  // read while pending. Whether the manager took the stop lands in `stopped`.
  template <class Each>
  std::vector<DWORD> stop_watching_check_points(BOOL* stopped, Each each) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, "Halvorn", SERVICE_STOP | SERVICE_QUERY_STATUS);
    std::vector<DWORD> check_points;
    *stopped = FALSE;
    if (!service) return check_points;
    std::thread stopper([&] {
      SERVICE_STATUS reply{};
      *stopped = ControlService(service, SERVICE_CONTROL_STOP, &reply);
    });
    SERVICE_STATUS status{};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_STOPPED &&
           std::chrono::steady_clock::now() < deadline) {
      if (status.dwCurrentState == SERVICE_STOP_PENDING) {
        each(status);
        if (check_points.empty() || check_points.back() != status.dwCheckPoint) check_points.push_back(status.dwCheckPoint);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    stopper.join();
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return check_points;
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
    // A bound for a service that never gets there; a loaded host may take a while.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
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
      auto number = [&](size_t at, size_t n) { return std::stoi(line.substr(at, n)); };
      lines.push_back({utc_ms(number(0, 4), number(5, 2), number(8, 2), number(12, 2), number(15, 2), number(18, 2),
                              number(22, tab - 22)),
                       line.substr(tab + 3)});
    }
    return lines;
  }
  static long long ms_between(const LogLine& from, const LogLine& to) { return to.utc_ms - from.utc_ms; }
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
  // A fresh machine with the programs installed, whose clock runs `scale` times faster.
  void remake(double scale, int tz_bias_minutes = 0) {
    recreate(platform::machine::Options{scale, tz_bias_minutes});
    ASSERT_EQ(winsim({"install", testing_support::bin_dir().parent_path().string()}).exit_code, 0);
  }
  void add_entry(const std::string& name, const std::string& server, const std::string& password = "secret") {
    auto added = winsim({"ras", "add", name, "--server", server, "--user", "alice", "--password", password});
    ASSERT_EQ(added.exit_code, 0) << added.err;
  }
  // tarvolt.exe -i with further options of the command line; the install's own log lines go.
  void install_with(const std::vector<std::string>& options) {
    std::vector<std::string> args{"run", "tarvolt.exe", "-i"};
    args.insert(args.end(), options.begin(), options.end());
    ASSERT_EQ(winsim(args).exit_code, 0);
    fs::remove(log_path());
  }
  // A fast clock runs out the manager's 30-second limits before a process is up, so net.exe may
  // report a time-out; the service's own state tells what came of the request.
  void start_fast() {
    winsim({"net", "start", "halvorn"});
    ASSERT_TRUE(wait_for_state(SERVICE_RUNNING)) << log_text();
  }
  void stop_fast() {
    winsim({"net", "stop", "halvorn"});
    ASSERT_TRUE(wait_for_state(SERVICE_STOPPED)) << log_text();
  }
  std::string connections() { return winsim({"ras", "connections"}).out; }
  void world_set(const std::vector<std::string>& statement) {
    std::vector<std::string> args{"world", "set"};
    args.insert(args.end(), statement.begin(), statement.end());
    auto changed = winsim(args);
    ASSERT_EQ(changed.exit_code, 0) << changed.err;
  }
};

}  // namespace halvorn_testing
