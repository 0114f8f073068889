// A setting read as every program of the system reads one: RegOpenKeyExW, RegQueryValueExW of
// one REG_BINARY value and RegCloseKey, against a std::map lookup of the same key and value in
// the process's own memory (the floor no registry can go below), in one run. Prints each one's
// median and 99th percentile per read and their ratios, and what the first read after a change
// costs (the registry is loaded again).
// Usage: registry_read_bench [READS]
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <windows.h>

#include "percentile.h"
#include "support/machine_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;

const int kDefaultReads = 200000;
const wchar_t kKeyPath[] = L"SYSTEM\\CurrentControlSet\\Services\\Halvorn";
const wchar_t kValueName[] = L"GenerateLog";

struct Figures {
  double median_us;
  double p99_us;
};

[[noreturn]] void Fail(const char* what) {
  fprintf(stderr, "registry_read_bench: %s\n", what);
  exit(1);
}

// Times each of `reads` calls of `read`, after as many unmeasured ones, each after `before`
// (unmeasured); `read` returns false on a failed read, which ends the run.
Figures Measure(int reads, const std::function<bool()>& read, const std::function<void()>& before = [] {}) {
  for (int i = 0; i < reads; ++i)
    if (!read()) Fail("a read failed");
  std::vector<double> samples(reads);
  for (int i = 0; i < reads; ++i) {
    before();
    Clock::time_point start = Clock::now();
    bool read_back = read();
    samples[i] = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    if (!read_back) Fail("a read failed");
  }
  return {bench_support::percentile(samples, 0.5), bench_support::percentile(samples, 0.99)};
}

bool ReadFromRegistry() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  BYTE level = 0;
  DWORD type = 0, size = sizeof level;
  LONG read = RegQueryValueExW(key, kValueName, nullptr, &type, &level, &size);
  RegCloseKey(key);
  return read == ERROR_SUCCESS && type == REG_BINARY && level == 3;
}

void PrintFigures(const char* name, const Figures& f) {
  printf("%-13s per read: median %.3f us, p99 %.3f us\n", name, f.median_us, f.p99_us);
}

}  // namespace

int main(int argc, char** argv) {
  int reads = argc > 1 ? atoi(argv[1]) : kDefaultReads;
  if (reads <= 0) {
    fprintf(stderr, "usage: registry_read_bench [READS]\n");
    return 2;
  }
  const std::filesystem::path root = testing_support::create_machine();
  if (root.empty()) Fail("no machine");

  HKEY key = nullptr;
  BYTE level = 3;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
          ERROR_SUCCESS ||
      RegSetValueExW(key, kValueName, 0, REG_BINARY, &level, 1) != ERROR_SUCCESS)
    Fail("cannot write the value");
  auto write = [key, level] {
    if (RegSetValueExW(key, kValueName, 0, REG_BINARY, &level, 1) != ERROR_SUCCESS) Fail("cannot write the value");
  };

  // The same key and value in this process's memory, looked up by the same path and name (in
  // UTF-16, the registry's own form).
  const std::u16string key_path = u"SYSTEM\\CurrentControlSet\\Services\\Halvorn";
  const std::u16string value_name = u"GenerateLog";
  std::map<std::u16string, std::map<std::u16string, std::vector<BYTE>>> memory;
  memory[key_path][value_name] = {level};
  auto from_memory = [&] {
    auto found = memory.find(key_path);
    if (found == memory.end()) return false;
    auto value = found->second.find(value_name);
    return value != found->second.end() && value->second.size() == 1 && value->second[0] == 3;
  };

  printf("registry_read_bench: %d reads each, one run\n", reads);
  Figures registry = Measure(reads, ReadFromRegistry);
  Figures map = Measure(reads, from_memory);
  Figures after_write = Measure(std::max(1, reads / 100), ReadFromRegistry, write);
  RegCloseKey(key);
  testing_support::remove_machine(root);

  PrintFigures("registry", registry);
  PrintFigures("std::map", map);
  printf("ratio registry/std::map: median %.1f, p99 %.1f\n", registry.median_us / map.median_us,
         registry.p99_us / map.p99_us);
  PrintFigures("after a write", after_write);
  return 0;
}
