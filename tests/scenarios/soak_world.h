// The world of the soak: four servers (two per network), three routers, the links between them,
// and the faults thrown at it. The test keeps this model beside the machine's world, so that it
// knows at any moment whether a network has a pair that could carry a connection.
#pragma once

#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace halvorn_testing {

struct SoakEntry {
  std::string name;
  std::string server;
};

class SoakWorld {
 public:
  SoakWorld();
  // `winsim world set` statements that add what the default world lacks.
  std::vector<std::vector<std::string>> setup_statements() const;
  static std::vector<SoakEntry> entries_of(char network);
  static std::vector<std::string> configured_routers();
  // Whether some gateway of the network (a configured router or the default gateway) is up and
  // reaches an entry's server that is up.
  bool usable(char network) const;

  // One random change of the world: the `winsim world set` statement that makes it, applied to
  // the model already. Drops are not changes of the world and are chosen by the caller.
  std::vector<std::string> random_change(std::mt19937& random);

 private:
  std::vector<std::string> toggle_server(std::mt19937& random);
  std::vector<std::string> toggle_router(std::mt19937& random);
  std::vector<std::string> toggle_link(std::mt19937& random);
  std::vector<std::string> change_delay(std::mt19937& random);
  std::vector<std::string> change_default_gateway(std::mt19937& random);

  std::map<std::string, bool> server_up_;
  std::map<std::string, bool> router_up_;
  std::map<std::pair<std::string, std::string>, int> delay_ms_;  // (hop, server) -> delay; -1: lost
  std::string default_gateway_;                                  // empty: none
};

}  // namespace halvorn_testing
