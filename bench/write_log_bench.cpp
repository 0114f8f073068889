// The service log against spdlog's asynchronous logger, in one run: 4 threads each log N lines of
// about 80 bytes. For each logger: the caller's time per call (median and 99th percentile) and
// the lines per second that reach the file, from the first measured call until every line is
// written and flushed. Both files are checked line by line before a figure is printed.
// Usage: write_log_bench [CALLS_PER_THREAD]
#include <spdlog/async.h>
#include <spdlog/pattern_formatter.h>
#include <spdlog/sinks/basic_file_sink.h>
#include <spdlog/spdlog.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

#include "percentile.h"
#include "support/machine_fixture.h"
#include "tarvolt_app.h"

namespace {

using Clock = std::chrono::steady_clock;

const int kThreads = 4;
const int kDefaultCalls = 5000;
// With either logger's time stamp and line end the line is 80 bytes long.
const char kOurFormat[] = "write_log_bench thread %d call %07d: quick brown";
constexpr char kSpdlogFormat[] = "write_log_bench thread {} call {:07d}: quick brown";
// Our logger's prefix, "2011-12-29, 16:48:33.0123\t: ": a zero before the milliseconds, which
// spdlog writes in three digits (ours without leading zeros, so its line may be 1 or 2 bytes shorter).
const char kSpdlogPattern[] = "%Y-%m-%d, %H:%M:%S.0%e\t: %v";
const char kSettingsPath[] = "SYSTEM\\CurrentControlSet\\Services\\Halvorn";

struct Figures {
  double median_us;
  double p99_us;
  double lines_per_second;
};

// Runs `call(thread, index)` `calls` times on each of kThreads threads, released together; then
// `drain`, which returns once every line is in the file.
Figures Measure(int calls, const std::function<void(int, int)>& call, const std::function<void()>& drain) {
  std::vector<std::vector<double>> samples(kThreads, std::vector<double>(calls));
  std::latch go(1);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      go.wait();
      for (int i = 0; i < calls; ++i) {
        Clock::time_point before = Clock::now();
        call(t, i);
        samples[t][i] = std::chrono::duration<double, std::micro>(Clock::now() - before).count();
      }
    });
  }
  Clock::time_point start = Clock::now();
  go.count_down();
  for (std::thread& thread : threads) thread.join();
  drain();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();

  std::vector<double> all;
  for (const std::vector<double>& s : samples) all.insert(all.end(), s.begin(), s.end());
  return {bench_support::percentile(all, 0.5), bench_support::percentile(all, 0.99),
          static_cast<double>(all.size()) / seconds};
}

// What a log file holds of the measured lines: each (thread, call) once, none lost.
struct FileCheck {
  long lines = 0;            // every line of the file
  long measured = 0;         // lines of the measurement
  long duplicates = 0;
  long missing = 0;
  double mean_line_bytes = 0;  // of the measured lines, line end included
};

FileCheck CheckFile(const std::filesystem::path& path, int calls) {
  FileCheck check;
  std::vector<bool> seen(static_cast<size_t>(kThreads) * calls, false);
  std::ifstream file(path, std::ios::binary);
  std::string line;
  long measured_bytes = 0;
  while (std::getline(file, line)) {
    ++check.lines;
    size_t at = line.find("write_log_bench thread ");
    int t = -1, i = -1;
    if (at == std::string::npos || sscanf(line.c_str() + at, "write_log_bench thread %d call %d", &t, &i) != 2 ||
        t < 0 || t >= kThreads || i < 0 || i >= calls) {
      continue;
    }
    ++check.measured;
    measured_bytes += static_cast<long>(line.size()) + 1;
    size_t slot = static_cast<size_t>(t) * calls + i;
    if (seen[slot]) ++check.duplicates;
    seen[slot] = true;
  }
  check.missing = static_cast<long>(std::count(seen.begin(), seen.end(), false));
  if (check.measured) check.mean_line_bytes = static_cast<double>(measured_bytes) / check.measured;
  return check;
}

bool Verified(const char* name, const FileCheck& check, int calls) {
  long expected = static_cast<long>(kThreads) * calls;
  printf("%-8s file: %ld lines, %ld measured of %ld expected, %ld missing, %ld duplicated, %.1f bytes a line\n",
         name, check.lines, check.measured, expected, check.missing, check.duplicates, check.mean_line_bytes);
  return check.measured == expected && check.missing == 0 && check.duplicates == 0;
}

void SetLogThreshold(BYTE level) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
          ERROR_SUCCESS ||
      RegSetValueExA(key, "GenerateLog", 0, REG_BINARY, &level, 1) != ERROR_SUCCESS) {
    fprintf(stderr, "write_log_bench: cannot set GenerateLog\n");
    exit(1);
  }
  RegCloseKey(key);
}

Figures MeasureOurs(RV_TarvoltApp& app, int calls) {
  // The first line starts the logger's thread, as spdlog's starts with its logger.
  app.WriteLog(3, "write_log_bench start");
  return Measure(
      calls, [&app](int t, int i) { app.WriteLog(3, kOurFormat, t, i); }, [&app] { app.CloseLogger(); });
}

Figures MeasureSpdlog(const std::filesystem::path& path, int calls) {
  // Room for every line, as our queue has: neither logger makes a caller wait for its thread.
  spdlog::init_thread_pool(static_cast<size_t>(kThreads) * calls + 16, 1);
  std::shared_ptr<spdlog::logger> logger =
      spdlog::create_async<spdlog::sinks::basic_file_sink_mt>("write_log_bench", path.string(), true);
  logger->set_formatter(
      std::make_unique<spdlog::pattern_formatter>(kSpdlogPattern, spdlog::pattern_time_type::utc, "\r\n"));
  logger->set_level(spdlog::level::trace);
  logger->flush_on(spdlog::level::trace);
  logger->info("write_log_bench start");
  spdlog::logger* raw = logger.get();
  return Measure(
      calls, [raw](int t, int i) { raw->info(kSpdlogFormat, t, i); },
      [&logger] {
        // The pool's thread ends after the last queued line: shutdown returns when it has.
        logger.reset();
        spdlog::shutdown();
      });
}

void PrintFigures(const char* name, const Figures& f) {
  printf("%-8s caller per call: median %.2f us, p99 %.2f us; to the file: %.0f lines/s\n", name, f.median_us,
         f.p99_us, f.lines_per_second);
}

}  // namespace

int main(int argc, char** argv) {
  int calls = argc > 1 ? atoi(argv[1]) : kDefaultCalls;
  if (calls <= 0) {
    fprintf(stderr, "usage: write_log_bench [CALLS_PER_THREAD]\n");
    return 2;
  }
  const std::filesystem::path root = testing_support::create_machine();
  if (root.empty()) {
    perror("write_log_bench: no machine");
    return 1;
  }
  SetLogThreshold(3);

  printf("write_log_bench: %d threads x %d calls each, one run\n", kThreads, calls);
  Figures ours;
  {
    RV_TarvoltApp app;
    ours = MeasureOurs(app, calls);
  }
  const std::filesystem::path spdlog_file = root / "spdlog.txt";
  Figures theirs = MeasureSpdlog(spdlog_file, calls);

  bool verified = Verified("ours", CheckFile(root / "drive_c" / "Tarvolt" / "Tarvolt.txt", calls), calls);
  verified = Verified("spdlog", CheckFile(spdlog_file, calls), calls) && verified;
  testing_support::remove_machine(root);
  if (!verified) {
    fprintf(stderr, "write_log_bench: lines were lost or repeated; no figures\n");
    return 1;
  }

  PrintFigures("ours", ours);
  PrintFigures("spdlog", theirs);
  printf("ratio ours/spdlog: median %.2f, p99 %.2f, lines/s %.3f\n", ours.median_us / theirs.median_us,
         ours.p99_us / theirs.p99_us, ours.lines_per_second / theirs.lines_per_second);
  printf("note: our logger flushes every line to the disk (FlushFileBuffers, an fsync); spdlog's flush_on(trace)\n"
         "      is the C library's fflush, which reaches the kernel's page cache, not the disk.\n");
  return 0;
}
