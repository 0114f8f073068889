// The whole network world at once: what `winsim world` shows and changes, and what a world file
// sets at machine creation.
#pragma once

#include <functional>
#include <vector>

#include "net/world.h"

namespace platform::net {

struct World {
  std::vector<Adapter> adapters;
  std::vector<Router> routers;
  std::vector<Host> hosts;  // the host entries only (VPN servers resolve by their own names)
  std::vector<VpnServer> vpn_servers;
  std::vector<Link> links;
  bool remote_access = false;
};

World load_world();
// Replace or change the machine's world, each in a transaction of its own, and then move the
// "world" signal so that every process looks again.
void store_world(const World& world);
void change_world(const std::function<void(World&)>& change);

}  // namespace platform::net
