// Watches the machine's live connections and the service's state from the test process, in a
// thread of its own: connections per network, the connections seen coming up, the times when
// both of a network's entries were connected, and the longest stretch without a connection
// while the network had a usable pair.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace halvorn_testing {

struct LiveConnection {
  std::string entry;
  uint64_t handle;  // the HRASCONN value, all 64 bits
};

// The live connections as RasEnumConnections lists them.
std::vector<LiveConnection> live_connections();

class ConnectionWatch {
 public:
  struct Figures {
    std::map<char, int> connections_seen;      // per network
    std::map<char, long long> longest_gap_ms;  // machine ms without a connection, a pair usable
    std::vector<std::string> doubles;          // "machine ms: entries" when one network held two
    std::vector<DWORD> foreign_states;         // service states other than RUNNING
    long long polls = 0;
  };
  // `usable` answers, for 'A' or 'B', whether the network has a usable pair now; `state`
  // gives the service's state.
  ConnectionWatch(std::function<bool(char)> usable, std::function<DWORD()> state);
  ~ConnectionWatch();
  Figures figures();
  std::vector<LiveConnection> latest();
  void stop();

 private:
  void run();
  void poll();

  std::function<bool(char)> usable_;
  std::function<DWORD()> state_;
  std::mutex mutex_;
  Figures figures_;
  std::vector<LiveConnection> latest_;
  std::map<char, std::vector<LiveConnection>> held_;  // per network, at the last poll
  std::map<char, long long> gap_start_ms_;            // -1: no open gap
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace halvorn_testing
