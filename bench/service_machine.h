// A fresh machine for the service's benchmarks: one entry in network A (vpn1.example.net) and
// one in B (vpn2.example.net) over the default world, the routers .2 and .3 configured beside the
// default gateway .1, the service installed and started. The machine lives in a temporary folder
// that goes with the object.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace bench_support {

// One gateway-server pair of the bench world: the round trip of its link, or -1 when lost.
struct BenchPair {
  std::string gateway;
  int round_trip_ms;
};

struct BenchEntry {
  std::string name;
  std::string server;
  std::vector<BenchPair> pairs;  // every gateway the service measures for this entry
  int dial_ms;
};

class ServiceMachine {
 public:
  explicit ServiceMachine(double scale);
  ~ServiceMachine();
  static const std::vector<BenchEntry>& entries();

  // Runs `winsim ARGS...` against this machine; exits the program when it fails.
  std::string winsim(const std::vector<std::string>& args) const;
  void start_service() const;
  void stop_service() const;
  // Whether the entry is among the live connections.
  static bool connected(const std::string& entry);
  // Waits (real time) until every entry is connected; false after `real_seconds`.
  static bool wait_all_connected(double real_seconds);
  // The Linux process of the running service, 0 when none.
  static long service_pid();
  static int64_t machine_ms();

 private:
  std::filesystem::path root_;
};

}  // namespace bench_support
