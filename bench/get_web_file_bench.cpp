// GetWebFile, the updater's download, against curl fetching the same file from the same local
// web server in the same run: the ratio of their median times, and how far the updater's peak
// resident memory rises during a transfer beside the file's size (the body goes to disk in
// blocks, so the rise stays far below it).
// Usage: get_web_file_bench [ROUNDS [MIB]]
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "get_web_file.h"
#include "machine/root.h"
#include "support/program_runner.h"
#include "support/web_server.h"

namespace {

namespace fs = std::filesystem;
using Seconds = std::chrono::duration<double>;

const fs::path kBuildDir = BENCH_BUILD_DIR;
const char kHost[] = "updates.example.net";
const char kArchive[] = "tarvolt20261208.exe";
const int kDefaultRounds = 7;
const int kDefaultMib = 8;

void Run(const fs::path& program, const std::vector<std::string>& args) {
  testing_support::Finished run = testing_support::run_program(program, args);
  if (run.exit_code != 0) {
    fprintf(stderr, "%s failed (%d): %s%s\n", program.c_str(), run.exit_code, run.out.c_str(), run.err.c_str());
    exit(1);
  }
}

// A field of /proc/self/status in kB.
long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string prefix = std::string(field) + ":";
  while (std::getline(status, line))
    if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
  return -1;
}

// Lowers the recorded peak (VmHWM) to the memory in use now, so that the next peak belongs to
// what runs after.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename F>
double Timed(F&& f) {
  auto start = std::chrono::steady_clock::now();
  f();
  return Seconds(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? atoi(argv[1]) : kDefaultRounds;
  const int mib = argc > 2 ? atoi(argv[2]) : kDefaultMib;
  const uintmax_t size = uintmax_t(mib) << 20;

  std::string pattern = (fs::temp_directory_path() / "get-web-file-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    perror("mkdtemp");
    return 1;
  }
  const fs::path folder = pattern, root = folder / "machine", site = folder / "site";
  fs::create_directories(root);
  fs::create_directories(site);
  setenv("WINSIM_ROOT", root.c_str(), 1);
  platform::machine::create(root, platform::machine::Options{1.0, 0});
  platform::machine::attach(root);
  {
    std::vector<char> bytes(size);
    std::mt19937 random(2026);
    for (char& b : bytes) b = char(random());
    std::ofstream(site / kArchive, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  }

  {
    tarvolt::test::WebServer server(site);
    Run(kBuildDir / "bin" / "winsim", {"world", "set", "host", kHost, "port", "80", std::to_string(server.port())});
    const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/" + kArchive;
    const fs::path curl_copy = folder / "curl_copy.exe";
    const fs::path updater_copy = root / "drive_c" / kArchive;
    SetCurrentDirectoryA("C:\\");

    auto get_web_file = [&] {
      int code = GetWebFile("Zolvane", kHost, CString("/") + kArchive, kArchive);
      if (code != 9999 || fs::file_size(updater_copy) != size) {
        fprintf(stderr, "GetWebFile: %d\n", code);
        exit(1);
      }
    };
    auto curl = [&] { Run("/usr/bin/curl", {"-s", "-o", curl_copy.string(), url}); };
    get_web_file();  // the first session loads what every later one uses
    curl();

    std::vector<double> updater_seconds, curl_seconds;
    long peak_rise_kb = 0;
    for (int i = 0; i < rounds; ++i) {
      ResetPeak();
      long baseline_kb = StatusKb("VmRSS");
      updater_seconds.push_back(Timed(get_web_file));
      peak_rise_kb = std::max(peak_rise_kb, StatusKb("VmHWM") - baseline_kb);
      curl_seconds.push_back(Timed(curl));
      if (fs::file_size(curl_copy) != size) {
        fprintf(stderr, "curl fetched %ju bytes\n", uintmax_t(fs::file_size(curl_copy)));
        return 1;
      }
    }
    double updater = Median(updater_seconds), reference = Median(curl_seconds);
    printf("file: %d MiB, %d rounds\n", mib, rounds);
    printf("GetWebFile median %.1f ms, curl -s -o median %.1f ms, ratio %.2f\n", updater * 1000, reference * 1000,
           updater / reference);
    printf("peak resident memory rise during a transfer: %ld kB (file %ju kB)\n", peak_rise_kb,
           uintmax_t(size >> 10));
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
  return 0;
}
