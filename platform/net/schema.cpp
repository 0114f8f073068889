// The network's tables in the machine database, and the world a fresh machine starts with.
#include "kernel/machine.h"
#include "kernel/schema.h"
#include "net/default_world.h"

namespace platform::net {
namespace {

void create_tables() {
  // The network world (net/world.h: addresses in network byte order, names case-insensitive),
  // and what programs add to the machine's network: routes, addresses, neighbour entries.
  machine::exec(
      "CREATE TABLE IF NOT EXISTS net_adapters("
      "  idx INTEGER PRIMARY KEY,"
      "  name TEXT NOT NULL,"
      "  address INTEGER NOT NULL,"
      "  mask INTEGER NOT NULL,"
      "  gateways BLOB NOT NULL,"  // 4 bytes an address, back to back
      "  mac BLOB NOT NULL,"
      "  description TEXT NOT NULL,"
      "  metric INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_routers(address INTEGER PRIMARY KEY, up INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_hosts(name TEXT PRIMARY KEY COLLATE NOCASE, address INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_host_ports("
      "  host TEXT NOT NULL COLLATE NOCASE,"
      "  port INTEGER NOT NULL,"
      "  local_port INTEGER NOT NULL,"
      "  PRIMARY KEY(host, port));"
      "CREATE TABLE IF NOT EXISTS net_vpn_servers("
      "  host TEXT PRIMARY KEY COLLATE NOCASE,"
      "  address INTEGER NOT NULL,"
      "  psk TEXT NOT NULL,"
      "  client_first INTEGER NOT NULL,"
      "  client_last INTEGER NOT NULL,"
      "  tunnel INTEGER NOT NULL,"
      "  dial_ms INTEGER NOT NULL,"
      "  up INTEGER NOT NULL,"
      "  answers_echo INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_accounts("
      "  server TEXT NOT NULL COLLATE NOCASE,"
      "  user TEXT NOT NULL COLLATE NOCASE,"
      "  password TEXT NOT NULL,"
      "  dials INTEGER,"
      "  PRIMARY KEY(server, user));"
      "CREATE TABLE IF NOT EXISTS net_links("
      "  next_hop INTEGER NOT NULL,"
      "  destination INTEGER NOT NULL,"
      "  delay_ms INTEGER NOT NULL,"
      "  lost INTEGER NOT NULL,"
      "  loss_percent INTEGER NOT NULL,"
      "  PRIMARY KEY(next_hop, destination));"
      "CREATE TABLE IF NOT EXISTS net_routes("
      "  id INTEGER PRIMARY KEY,"
      "  destination INTEGER NOT NULL,"
      "  mask INTEGER NOT NULL,"
      "  next_hop INTEGER NOT NULL,"
      "  if_index INTEGER NOT NULL,"
      "  metric INTEGER NOT NULL,"
      "  added_ns INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_addresses("
      "  context INTEGER PRIMARY KEY,"
      "  if_index INTEGER NOT NULL,"
      "  address INTEGER NOT NULL,"
      "  mask INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_neighbours("
      "  if_index INTEGER NOT NULL,"
      "  address INTEGER NOT NULL,"
      "  mac BLOB NOT NULL,"
      "  type INTEGER NOT NULL,"
      "  PRIMARY KEY(if_index, address));");
  install_default_world();
}

// After the service manager's: the world sets Routing and Remote Access's state.
const machine::CreationStep step(30, create_tables);

}  // namespace
}  // namespace platform::net
