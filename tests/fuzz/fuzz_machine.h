// What the fuzz targets share: one fresh machine for the whole run, in memory where there is
// some (the machine flushes its files to the disk, which would set the pace), removed at exit;
// and the way a target reports a broken rule, which libFuzzer records as a finding.
#pragma once

#include <stdio.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "machine/root.h"

namespace fuzz_support {

inline std::filesystem::path& machine_root() {
  static std::filesystem::path root;
  return root;
}

[[noreturn]] inline void fail(const char* what) {
  fprintf(stderr, "fuzz target: %s\n", what);
  abort();
}

// A machine at a new folder named after the target, attached through WINSIM_ROOT.
inline const std::filesystem::path& make_machine(const char* target) {
  namespace fs = std::filesystem;
  fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string pattern = (base / (std::string(target) + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) fail("no machine folder");
  machine_root() = pattern;
  setenv("WINSIM_ROOT", pattern.c_str(), 1);
  platform::machine::create(machine_root(), platform::machine::Options{});
  atexit([] {
    std::error_code ignored;
    fs::remove_all(machine_root(), ignored);
  });
  return machine_root();
}

}  // namespace fuzz_support
