// What the service costs while it only holds its connections: one in network A and one in B, at
// clock scale 1, for a minute of real time. Processor time of the service's process (user and
// system, every thread, from /proc/<pid>/stat) against a budget of 0.5% of one core, and its
// resident memory (VmRSS) at the end.
// Usage: service_idle_cost [SECONDS]
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "service_machine.h"

namespace {

using bench_support::BenchEntry;
using bench_support::ServiceMachine;

const int kDefaultSeconds = 60;
const double kBudgetPercent = 0.5;
const double kConnectLimitRealSeconds = 120;
// The loops measure their pairs once more after connecting; the minute starts after that.
const int kSettleSeconds = 5;

// User plus system clock ticks of the process, all its threads; -1 when it is gone.
long long ProcessorTicks(long pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return -1;
  // The command name may hold blanks: the fields after it count from its closing parenthesis.
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) utime = std::stoll(field);
    if (i == 15) stime = std::stoll(field);
  }
  return utime + stime;
}

std::string StatusField(long pid, const std::string& name) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(name + ":", 0) == 0) return line.substr(line.find_first_not_of(" \t", name.size() + 1));
  return "?";
}

}  // namespace

int main(int argc, char** argv) {
  int seconds = argc > 1 ? atoi(argv[1]) : kDefaultSeconds;
  if (seconds <= 0) {
    fprintf(stderr, "usage: service_idle_cost [SECONDS]\n");
    return 2;
  }
  ServiceMachine machine(1.0);
  machine.start_service();
  if (!ServiceMachine::wait_all_connected(kConnectLimitRealSeconds)) {
    fprintf(stderr, "service_idle_cost: the service did not connect both networks\n");
    return 1;
  }
  std::this_thread::sleep_for(std::chrono::seconds(kSettleSeconds));
  long pid = ServiceMachine::service_pid();
  long long before = ProcessorTicks(pid);
  if (pid == 0 || before < 0) {
    fprintf(stderr, "service_idle_cost: no service process\n");
    return 1;
  }
  auto started = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  long long after = ProcessorTicks(pid);
  double real = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  bool held = true;
  for (const BenchEntry& entry : ServiceMachine::entries()) held = held && ServiceMachine::connected(entry.name);
  if (after < 0 || !held) {
    fprintf(stderr, "service_idle_cost: the service or a connection ended during the measurement\n");
    return 1;
  }
  double cpu_seconds = double(after - before) / double(sysconf(_SC_CLK_TCK));
  double percent = 100.0 * cpu_seconds / real;
  printf("service_idle_cost: pid %ld, clock scale 1, both networks connected throughout %.1f real s\n", pid, real);
  printf("processor: %.2f s user+system = %.3f%% of one core; budget %.1f%%, ratio to budget %.3f\n", cpu_seconds,
         percent, kBudgetPercent, percent / kBudgetPercent);
  printf("memory: VmRSS %s, VmHWM %s, threads %s\n", StatusField(pid, "VmRSS").c_str(),
         StatusField(pid, "VmHWM").c_str(), StatusField(pid, "Threads").c_str());
  return 0;
}
