#include "service_machine.h"

#include <ras.h>
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include <chrono>
#include <thread>

#include "machine/clock.h"
#include "machine/root.h"
#include "services/status_table.h"
#include "support/program_runner.h"

namespace bench_support {

namespace {

const std::filesystem::path kBuildDir = BENCH_BUILD_DIR;

}  // namespace

const std::vector<BenchEntry>& ServiceMachine::entries() {
  // The default world's links; the service measures the configured routers first, then the
  // default gateway.
  static const std::vector<BenchEntry> kEntries = {
      {"AUTO-A0", "vpn1.example.net", {{"192.168.1.2", 20}, {"192.168.1.3", -1}, {"192.168.1.1", 40}}, 3000},
      {"AUTO-B0", "vpn2.example.net", {{"192.168.1.2", 80}, {"192.168.1.3", 30}, {"192.168.1.1", 60}}, 3000},
  };
  return kEntries;
}

ServiceMachine::ServiceMachine(double scale) {
  std::string pattern = (std::filesystem::temp_directory_path() / "service-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    perror("mkdtemp");
    exit(1);
  }
  root_ = pattern;
  setenv("WINSIM_ROOT", root_.c_str(), 1);
  platform::machine::create(root_, platform::machine::Options{scale, 0});
  platform::machine::attach(root_);
  winsim({"install", kBuildDir.string()});
  for (const BenchEntry& entry : entries())
    winsim({"ras", "add", entry.name, "--server", entry.server, "--user", "alice", "--password", "secret"});
  winsim({"run", "tarvolt.exe", "-i", "-r", "192.168.1.2", "-r", "192.168.1.3"});
}

ServiceMachine::~ServiceMachine() {
  if (service_pid() != 0) stop_service();
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string ServiceMachine::winsim(const std::vector<std::string>& args) const {
  testing_support::Finished run = testing_support::run_program(kBuildDir / "bin" / "winsim", args);
  if (run.exit_code != 0) {
    fprintf(stderr, "winsim %s failed (%d): %s%s\n", args.empty() ? "" : args[0].c_str(), run.exit_code,
            run.out.c_str(), run.err.c_str());
    exit(1);
  }
  return run.out;
}

void ServiceMachine::start_service() const { winsim({"net", "start", "Halvorn"}); }

void ServiceMachine::stop_service() const { winsim({"net", "stop", "Halvorn"}); }

bool ServiceMachine::connected(const std::string& entry) {
  RASCONNA connections[8];
  for (RASCONNA& connection : connections) connection.dwSize = sizeof(RASCONNA);
  DWORD bytes = sizeof(connections), count = 0;
  if (RasEnumConnectionsA(connections, &bytes, &count) != 0) return false;
  for (DWORD i = 0; i < count; ++i)
    if (entry == connections[i].szEntryName) return true;
  return false;
}

bool ServiceMachine::wait_all_connected(double real_seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(real_seconds);
  for (;;) {
    bool all = true;
    for (const BenchEntry& entry : entries()) all = all && connected(entry.name);
    if (all) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

long ServiceMachine::service_pid() {
  platform::services::StatusRow row = platform::services::load_status(u"Halvorn");
  return row.status.dwCurrentState == SERVICE_STOPPED ? 0 : static_cast<long>(row.pid);
}

int64_t ServiceMachine::machine_ms() { return platform::clock::now_ns() / 1000000; }

}  // namespace bench_support
