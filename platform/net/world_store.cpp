#include "machine/world.h"

#include "kernel/machine.h"
#include "kernel/machine_signal.h"
#include "net/remote_access.h"

namespace platform::net {
namespace {

using machine::Statement;

void write_adapters(const std::vector<Adapter>& adapters) {
  for (const Adapter& a : adapters) {
    Statement s(
        "INSERT INTO net_adapters(idx, name, address, mask, gateways, mac, description, metric)"
        " VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    s.bind(1, a.index).bind(2, a.name).bind(3, a.address).bind(4, a.mask);
    s.bind_blob(5, a.gateways.data(), int(a.gateways.size() * sizeof(uint32_t)));
    s.bind_blob(6, a.mac.data(), int(a.mac.size())).bind(7, a.description).bind(8, a.metric).step();
  }
}

void write_vpn_servers(const std::vector<VpnServer>& servers) {
  for (const VpnServer& v : servers) {
    Statement s(
        "INSERT INTO net_vpn_servers(host, address, psk, client_first, client_last, tunnel, dial_ms, up, answers_echo)"
        " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    s.bind(1, v.host).bind(2, v.address).bind(3, v.psk).bind(4, v.client_first).bind(5, v.client_last);
    s.bind(6, v.tunnel).bind(7, v.dial_ms).bind(8, v.up ? 1 : 0).bind(9, v.answers_echo ? 1 : 0).step();
    for (const Account& account : v.accounts) {
      Statement a("INSERT INTO net_accounts(server, user, password, dials) VALUES(?, ?, ?, ?)");
      a.bind(1, v.host).bind(2, account.user).bind(3, account.password);
      if (account.dials)
        a.bind(4, *account.dials);
      else
        a.bind_null(4);
      a.step();
    }
  }
}

void write_world(const World& world) {
  machine::exec(
      "DELETE FROM net_adapters; DELETE FROM net_routers; DELETE FROM net_hosts; DELETE FROM net_accounts;"
      " DELETE FROM net_vpn_servers; DELETE FROM net_links; DELETE FROM net_host_ports;");
  write_adapters(world.adapters);
  for (const Router& r : world.routers) {
    Statement s("INSERT INTO net_routers(address, up) VALUES(?, ?)");
    s.bind(1, r.address).bind(2, r.up ? 1 : 0).step();
  }
  for (const Host& h : world.hosts) {
    Statement s("INSERT INTO net_hosts(name, address) VALUES(?, ?)");
    s.bind(1, h.name).bind(2, h.address).step();
    for (const PortMapping& mapping : h.ports) {
      Statement p("INSERT INTO net_host_ports(host, port, local_port) VALUES(?, ?, ?)");
      p.bind(1, h.name).bind(2, mapping.port).bind(3, mapping.local).step();
    }
  }
  write_vpn_servers(world.vpn_servers);
  for (const Link& l : world.links) {
    Statement s("INSERT INTO net_links(next_hop, destination, delay_ms, lost, loss_percent) VALUES(?, ?, ?, ?, ?)");
    s.bind(1, l.next_hop).bind(2, l.destination).bind(3, l.delay_ms).bind(4, l.lost ? 1 : 0).bind(5, l.loss_percent).step();
  }
  set_remote_access(world.remote_access);
}

}  // namespace

World load_world() {
  World world;
  world.adapters = adapters();
  world.routers = routers();
  world.hosts = host_entries();
  world.vpn_servers = vpn_servers();
  world.links = links();
  world.remote_access = remote_access_running();
  return world;
}

void store_world(const World& world) {
  change_world([&](World& current) { current = world; });
}

void change_world(const std::function<void(World&)>& change) {
  {
    machine::Transaction transaction;
    World world = load_world();
    change(world);
    write_world(world);
    transaction.commit();
  }
  // After the commit: a process woken by the signal must find the new world.
  machine_signal::bump("world");
}

}  // namespace platform::net
