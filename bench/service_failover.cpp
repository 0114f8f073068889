// The service's failover: from `winsim ras drop` of its connection to the next connection of that
// network up, in machine seconds, beside the least the service's own rules allow in this world:
// the rest of 2 seconds after the held connection ends, two echoes through every pair of the
// network's entries (a lost link waits out the 5-second echo time-out), then the dial of the
// fastest pair (its dial time and the link's round trip).
// Usage: service_failover [DROPS_PER_NETWORK [SCALE]]
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "service_machine.h"

namespace {

using bench_support::BenchEntry;
using bench_support::ServiceMachine;

const int kDefaultDrops = 4;
const double kDefaultScale = 10;
const int kRestMs = 2000;
const int kEchoTimeoutMs = 5000;
const int kEchoesPerPair = 2;
const double kReconnectLimitRealSeconds = 120;

int LeastFailoverMs(const BenchEntry& entry) {
  int least = kRestMs;
  int fastest = kEchoTimeoutMs;
  for (const auto& pair : entry.pairs) {
    least += kEchoesPerPair * (pair.round_trip_ms < 0 ? kEchoTimeoutMs : pair.round_trip_ms);
    if (pair.round_trip_ms >= 0) fastest = std::min(fastest, pair.round_trip_ms);
  }
  return least + entry.dial_ms + fastest;
}

// Machine milliseconds from the drop to the entry's next connection, or -1 when none came.
long long MeasureDrop(const ServiceMachine& machine, const BenchEntry& entry) {
  const long long dropped = ServiceMachine::machine_ms();
  machine.winsim({"ras", "drop", entry.name});
  if (ServiceMachine::connected(entry.name)) return -1;  // the drop did not take
  auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(kReconnectLimitRealSeconds);
  while (!ServiceMachine::connected(entry.name)) {
    if (std::chrono::steady_clock::now() > deadline) return -1;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return ServiceMachine::machine_ms() - dropped;
}

}  // namespace

int main(int argc, char** argv) {
  int drops = argc > 1 ? atoi(argv[1]) : kDefaultDrops;
  double scale = argc > 2 ? atof(argv[2]) : kDefaultScale;
  if (drops <= 0 || !(scale > 0)) {
    fprintf(stderr, "usage: service_failover [DROPS_PER_NETWORK [SCALE]]\n");
    return 2;
  }
  ServiceMachine machine(scale);
  machine.start_service();
  if (!ServiceMachine::wait_all_connected(kReconnectLimitRealSeconds)) {
    fprintf(stderr, "service_failover: the service did not connect both networks\n");
    return 1;
  }
  printf("service_failover: clock scale %g, %d drops per network, one run\n", scale, drops);
  std::vector<double> ratios;
  for (int round = 0; round < drops; ++round) {
    for (const BenchEntry& entry : ServiceMachine::entries()) {
      long long measured = MeasureDrop(machine, entry);
      if (measured < 0) {
        fprintf(stderr, "service_failover: no reconnection of %s measured\n", entry.name.c_str());
        return 1;
      }
      int least = LeastFailoverMs(entry);
      double ratio = double(measured) / least;
      ratios.push_back(ratio);
      printf("%s drop %d: measured %.3f s, least %.3f s, measured/least %.3f\n", entry.name.c_str(), round + 1,
             measured / 1000.0, least / 1000.0, ratio);
      // The other network's loop settles into its hold before the next drop.
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
  }
  std::sort(ratios.begin(), ratios.end());
  printf("measured/least over %zu drops: min %.3f, median %.3f, max %.3f\n", ratios.size(), ratios.front(),
         ratios[ratios.size() / 2], ratios.back());
  return 0;
}
