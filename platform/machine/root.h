// The machine this process belongs to: a folder (WINSIM_ROOT) with drive C: and the machine's
// database. The headers of machine/ are the machine's own interfaces, which no Windows program
// sees: the machine tool, the tests and the benchmarks use them.
#pragma once

#include <filesystem>

namespace platform::machine {

struct Options {
  double scale = 1.0;         // machine seconds per real second
  int tz_bias_minutes = 0;    // UTC minus local time, as Windows counts it
};

// Makes a fresh machine at `root`: drive C: with its system folders, and the database.
void create(const std::filesystem::path& root, const Options& options);

// WINSIM_ROOT, unless attach() named another root. Ends the process with a message when neither.
const std::filesystem::path& root();
// Binds this process to the machine at `root` (tests; winsim's own commands).
void attach(const std::filesystem::path& root);
bool attached();

std::filesystem::path drive_c();

}  // namespace platform::machine
