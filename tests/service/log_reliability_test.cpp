// The service log under load: many threads writing through the 10 MiB cut, and a writer
// killed in the middle of a flood. Whatever happens, the file holds whole lines, each writer's
// lines in order, and a gap-free tail of what was written.
#include <signal.h>

#include <gtest/gtest.h>

#include <atomic>
#include <barrier>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "rv_log.h"
#include "service/tarvolt_fixture.h"
#include "support/environment_guard.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

namespace fs = std::filesystem;

class LogReliabilityTest : public TarvoltTest {
 protected:
  void SetUp() override {
    TarvoltTest::SetUp();
    write_value("", "GenerateLog", REG_BINARY, bytes({3}));
  }
};

// The message after a line's time stamp ("2011-12-29, 16:48:33.0123\t: "), or nothing when the
// line does not start with a whole one.
std::optional<std::string_view> message_of(std::string_view line) {
  static const std::string_view shape = "dddd-dd-dd, dd:dd:dd.0";
  if (line.size() < shape.size()) return std::nullopt;
  for (size_t i = 0; i < shape.size(); ++i)
    if (shape[i] == 'd' ? line[i] < '0' || line[i] > '9' : line[i] != shape[i]) return std::nullopt;
  size_t digits = 0;
  while (shape.size() + digits < line.size() && digits < 4 && line[shape.size() + digits] >= '0' &&
         line[shape.size() + digits] <= '9')
    ++digits;
  line.remove_prefix(shape.size() + digits);
  if (digits < 1 || digits > 3 || line.substr(0, 3) != "\t: ") return std::nullopt;
  return line.substr(3);
}

// The file's lines without their ends; false when the file does not end with a whole line.
bool split_lines(const std::string& text, std::vector<std::string_view>* lines) {
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines->push_back(std::string_view(text).substr(start, end - start));
  return start == text.size();
}

// The close writes three lines; the last two are these.
const char* const kClosingLines[] = {"Closing the logger and Shutting Down",
                                     "----------------------------------------------------"};

// ---- Writers through the cut ----

constexpr int kThreads = 8;
// The writers meet this often, so that none is done long before the others and the file's
// newer half holds the end of every writer's lines.
constexpr int kLinesBetweenMeetings = 1000;

std::string flood_padding(int thread, int sequence) { return std::string(size_t(sequence % 23), char('a' + thread)); }

std::string flood_message(int thread, int sequence) {
  char text[64];
  std::snprintf(text, sizeof text, "T%d S%06d %s", thread, sequence, flood_padding(thread, sequence).c_str());
  return text;
}

// Thread and sequence number of a message that is exactly what that writer wrote.
bool parse_flood_message(std::string_view message, int* thread, int* sequence) {
  if (message.size() < 11 || std::sscanf(std::string(message.substr(0, 10)).c_str(), "T%1d S%6d", thread, sequence) != 2)
    return false;
  return *thread >= 0 && *thread < kThreads && message == flood_message(*thread, *sequence);
}

void flood(RV_TarvoltApp& app, int lines_per_thread) {
  std::barrier meeting(kThreads);
  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t)
    writers.emplace_back([&, t] {
      for (int s = 0; s < lines_per_thread; ++s) {
        if (s % kLinesBetweenMeetings == 0) meeting.arrive_and_wait();
        app.WriteLog(1, "T%d S%06d %s", t, s, flood_padding(t, s).c_str());
      }
    });
  for (auto& w : writers) w.join();
}

// The log after a flood and the close: a gap-free tail of every writer's lines, each whole and
// in its writer's order, then the closing lines. Before the first writer's line there may be
// the tail of a line the cut fell into and the logger's own first line.
void expect_contiguous_tail(const std::string& text, int lines_per_thread) {
  std::vector<std::string_view> lines;
  ASSERT_TRUE(split_lines(text, &lines)) << "the log ends inside a line";
  ASSERT_GT(lines.size(), 3u);
  int next[kThreads];
  std::fill(std::begin(next), std::end(next), -1);
  bool flood_seen = false;
  size_t floods = lines.size() - 3;
  for (size_t i = 0; i < floods; ++i) {
    std::optional<std::string_view> message = message_of(lines[i]);
    if ((i == 0 && !message) || (!flood_seen && message == "Logger Initialized")) continue;
    int thread = 0, sequence = 0;
    ASSERT_TRUE(message && parse_flood_message(*message, &thread, &sequence)) << "line " << i << ": " << lines[i];
    if (next[thread] >= 0) {
      ASSERT_EQ(sequence, next[thread]) << "thread " << thread << ", line " << i;
    }
    next[thread] = sequence + 1;
    flood_seen = true;
  }
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(next[t], lines_per_thread) << "thread " << t;
  int thread = 0, sequence = 0;
  std::optional<std::string_view> first_closing = message_of(lines[floods]);
  EXPECT_TRUE(first_closing && !parse_flood_message(*first_closing, &thread, &sequence)) << lines[floods];
  for (size_t i = 0; i < 2; ++i) EXPECT_EQ(message_of(lines[floods + 1 + i]), kClosingLines[i]);
}

class LogInMemoryTest : public LogReliabilityTest {
 protected:
  // The machine in memory: flushing 1.6 million lines to the disk one by one takes minutes.
  void SetUp() override {
    std::optional<testing_support::EnvironmentGuard> in_memory;
    if (fs::is_directory("/dev/shm")) in_memory.emplace("TMPDIR", "/dev/shm");
    LogReliabilityTest::SetUp();
  }
};

TEST_F(LogInMemoryTest, ConcurrentWritersThroughTheCutLoseNothingButTheCutHalf) {
  constexpr int kLinesPerThread = 200000;
  RV_TarvoltApp app;
  std::atomic<bool> writing{true};
  std::uintmax_t largest = 0;
  std::thread watcher([&] {
    while (writing) {
      std::error_code error;
      std::uintmax_t size = fs::file_size(log_path(), error);
      if (!error && size > largest) largest = size;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  });
  flood(app, kLinesPerThread);
  app.CloseLogger();
  writing = false;
  watcher.join();

  std::string text = log_text();
  expect_contiguous_tail(text, kLinesPerThread);
  // The size is checked at the start of every write cycle, and a writer that keeps pace with
  // the flood writes few lines per cycle.
  EXPECT_LT(text.size(), RV_Log::kCutSize + RV_Log::kKeepFrom / 4);
  EXPECT_LT(largest, RV_Log::kCutSize + RV_Log::kKeepFrom / 4);
  EXPECT_FALSE(fs::exists(root_ / "drive_c/Tarvolt/VPNLogger.tmp"));
}

TEST_F(LogReliabilityTest, AFloodFasterThanTheDiskIsStillCutWhileItIsWritten) {
  // Just below the limit, so that the flood crosses it after the lines have begun to queue up
  // behind the disk's flushes: the cycles that follow must still check the size.
  {
    std::ofstream old(log_path(), std::ios::binary);
    old << std::string(RV_Log::kCutSize - 65536 - 2, 'p') << "\r\n";
  }
  constexpr int kLinesPerThread = 2500;
  RV_TarvoltApp app;
  flood(app, kLinesPerThread);
  app.CloseLogger();
  std::string text = log_text();
  expect_contiguous_tail(text, kLinesPerThread);
  const size_t limit = RV_Log::kCutSize;
  EXPECT_LT(text.size(), limit) << "the file was not cut while the flood was written";
  EXPECT_FALSE(fs::exists(root_ / "drive_c/Tarvolt/VPNLogger.tmp"));
}

// ---- A writer killed ----

// Whole lines in the log so far.
size_t whole_lines(const fs::path& path) {
  std::string text;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char block[65536];
    for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;) text.append(block, n);
    std::fclose(f);
  }
  size_t count = 0;
  for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++count;
  return count;
}

TEST_F(LogReliabilityTest, AWriterKilledMidFloodLeavesWholeConsecutiveLines) {
  fs::copy_file(testing_support::program_dir() / "log_flood.exe", root_ / "drive_c/Tarvolt/log_flood.exe");
  // Kills at several depths of the flood, each into a fresh log.
  for (size_t wanted : {200u, 1000u, 3000u}) {
    SCOPED_TRACE(wanted);
    fs::remove(log_path());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    char command[] = "C:\\Tarvolt\\log_flood.exe";
    ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    size_t seen = 0;
    for (auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
         seen < wanted && std::chrono::steady_clock::now() < deadline;)
      seen = whole_lines(log_path());
    kill(pid_t(process.dwProcessId), SIGKILL);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), DWORD(WAIT_OBJECT_0));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_GE(seen, wanted) << "the flood did not reach the file in time";

    std::string text = log_text();
    std::vector<std::string_view> lines;
    EXPECT_TRUE(split_lines(text, &lines)) << "the log ends inside a line";
    ASSERT_GE(lines.size(), seen);
    EXPECT_EQ(message_of(lines[0]), "Logger Initialized");
    for (size_t i = 1; i < lines.size(); ++i) {
      unsigned n = unsigned(i - 1);
      ASSERT_EQ(message_of(lines[i]), "Flood " + std::to_string(n) + " " + std::string(n % 40, 'x')) << "line " << i;
    }
  }
}

}  // namespace
}  // namespace tarvolt_testing
