#include "scenarios/soak_world.h"

namespace halvorn_testing {

namespace {

const std::vector<std::string> kRouters = {"192.168.1.1", "192.168.1.2", "192.168.1.3"};
const std::vector<std::string> kServers = {"vpn1.example.net", "vpn2.example.net", "vpn3.example.net",
                                           "vpn4.example.net"};

template <typename T>
const T& pick(const std::vector<T>& items, std::mt19937& random) {
  return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(random)];
}

int random_delay(std::mt19937& random) { return std::uniform_int_distribution<int>(5, 400)(random); }

}  // namespace

SoakWorld::SoakWorld() : default_gateway_("192.168.1.1") {
  for (const std::string& server : kServers) server_up_[server] = true;
  for (const std::string& router : kRouters) router_up_[router] = true;
  // The default world's links, and those of the two servers of network B.
  const std::vector<int> delays = {40, 60, 50, 70, 20, 80, 30, -1, -1, 30, 90, 25};
  size_t i = 0;
  for (const std::string& hop : kRouters)
    for (const std::string& server : kServers) delay_ms_[{hop, server}] = delays[i++];
}

std::vector<std::vector<std::string>> SoakWorld::setup_statements() const {
  std::vector<std::vector<std::string>> statements = {
      {"vpn", "vpn3.example.net", "address", "203.0.113.30", "client", "10.10.0.2", "tunnel", "10.10.0.1", "dial", "3s"},
      {"vpn", "vpn4.example.net", "address", "203.0.113.40", "client", "10.11.0.2", "tunnel", "10.11.0.1", "dial", "3s"},
      {"account", "vpn3.example.net", "alice", "secret"},
      {"account", "vpn4.example.net", "alice", "secret"},
  };
  for (const auto& [link, delay] : delay_ms_) {
    if (link.second != "vpn3.example.net" && link.second != "vpn4.example.net") continue;
    if (delay < 0)
      statements.push_back({"link", link.first, link.second, "lost"});
    else
      statements.push_back({"link", link.first, link.second, "delay", std::to_string(delay)});
  }
  return statements;
}

std::vector<SoakEntry> SoakWorld::entries_of(char network) {
  if (network == 'A') return {{"AUTO-A0", "vpn1.example.net"}, {"AUTO-A1", "vpn2.example.net"}};
  return {{"AUTO-B0", "vpn3.example.net"}, {"AUTO-B1", "vpn4.example.net"}};
}

std::vector<std::string> SoakWorld::configured_routers() { return {"192.168.1.2", "192.168.1.3"}; }

bool SoakWorld::usable(char network) const {
  std::vector<std::string> gateways = configured_routers();
  if (!default_gateway_.empty()) gateways.push_back(default_gateway_);
  for (const SoakEntry& entry : entries_of(network)) {
    if (!server_up_.at(entry.server)) continue;
    for (const std::string& gateway : gateways)
      if (router_up_.at(gateway) && delay_ms_.at({gateway, entry.server}) >= 0) return true;
  }
  return false;
}

std::vector<std::string> SoakWorld::random_change(std::mt19937& random) {
  switch (std::uniform_int_distribution<int>(0, 4)(random)) {
    case 0: return toggle_server(random);
    case 1: return toggle_router(random);
    case 2: return toggle_link(random);
    case 3: return change_delay(random);
    default: return change_default_gateway(random);
  }
}

std::vector<std::string> SoakWorld::toggle_server(std::mt19937& random) {
  const std::string& server = pick(kServers, random);
  bool& up = server_up_[server];
  up = !up;
  return {"vpn", server, up ? "up" : "down"};
}

std::vector<std::string> SoakWorld::toggle_router(std::mt19937& random) {
  const std::string& router = pick(kRouters, random);
  bool& up = router_up_[router];
  up = !up;
  return {"router", router, up ? "up" : "down"};
}

std::vector<std::string> SoakWorld::toggle_link(std::mt19937& random) {
  const std::string& hop = pick(kRouters, random);
  const std::string& server = pick(kServers, random);
  int& delay = delay_ms_[{hop, server}];
  if (delay >= 0) {
    delay = -1;
    return {"link", hop, server, "lost"};
  }
  delay = random_delay(random);
  return {"link", hop, server, "delay", std::to_string(delay), "ok"};
}

std::vector<std::string> SoakWorld::change_delay(std::mt19937& random) {
  const std::string& hop = pick(kRouters, random);
  const std::string& server = pick(kServers, random);
  int& delay = delay_ms_[{hop, server}];
  // A lost link keeps being lost; its delay counts once it comes back.
  int changed = random_delay(random);
  if (delay >= 0) delay = changed;
  return {"link", hop, server, "delay", std::to_string(changed)};
}

std::vector<std::string> SoakWorld::change_default_gateway(std::mt19937& random) {
  std::vector<std::string> choices;
  for (const std::string& router : kRouters)
    if (router != default_gateway_) choices.push_back(router);
  if (!default_gateway_.empty()) choices.push_back("");
  default_gateway_ = pick(choices, random);
  return {"adapter", "Local Area Connection", "gateway", default_gateway_.empty() ? "none" : default_gateway_};
}

}  // namespace halvorn_testing
