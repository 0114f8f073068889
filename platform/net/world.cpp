#include "net/world.h"

#include <algorithm>
#include <cstring>

#include "kernel/machine.h"
#include "kernel/text.h"
#include "net/address.h"

namespace platform::net {
namespace {

using machine::Statement;

uint32_t address_column(Statement& s, int column) { return uint32_t(s.column_int(column)); }

std::vector<Account> accounts_of(const std::string& server) {
  std::vector<Account> accounts;
  Statement s("SELECT user, password, dials FROM net_accounts WHERE server = ? ORDER BY rowid");
  s.bind(1, server);
  while (s.step()) {
    Account account{s.column_text(0), s.column_text(1), std::nullopt};
    if (!s.column_is_null(2)) account.dials = s.column_int(2);
    accounts.push_back(account);
  }
  return accounts;
}

}  // namespace

bool same_name(std::string_view a, std::string_view b) { return text::iequals(text::utf16(a), text::utf16(b)); }

std::vector<Adapter> adapters() {
  std::vector<Adapter> result;
  Statement s("SELECT idx, name, address, mask, gateways, mac, description, metric FROM net_adapters ORDER BY idx");
  while (s.step()) {
    Adapter a{uint32_t(s.column_int(0)), s.column_text(1), address_column(s, 2), address_column(s, 3), {}, {}, {}, {}};
    std::string gateways = s.column_blob(4);
    for (size_t at = 0; at + sizeof(uint32_t) <= gateways.size(); at += sizeof(uint32_t)) {
      uint32_t gateway;
      std::memcpy(&gateway, gateways.data() + at, sizeof gateway);
      a.gateways.push_back(gateway);
    }
    std::string mac = s.column_blob(5);
    std::memcpy(a.mac.data(), mac.data(), std::min(mac.size(), a.mac.size()));
    a.description = s.column_text(6);
    a.metric = uint32_t(s.column_int(7));
    result.push_back(std::move(a));
  }
  return result;
}

std::vector<Router> routers() {
  std::vector<Router> result;
  Statement s("SELECT address, up FROM net_routers ORDER BY rowid");
  while (s.step()) result.push_back({address_column(s, 0), s.column_int(1) != 0});
  return result;
}

std::vector<Host> host_entries() {
  std::vector<Host> result;
  {
    Statement s("SELECT name, address FROM net_hosts ORDER BY rowid");
    while (s.step()) result.push_back({s.column_text(0), address_column(s, 1)});
  }
  for (Host& host : result) {
    Statement s("SELECT port, local_port FROM net_host_ports WHERE host = ? ORDER BY port");
    s.bind(1, host.name);
    while (s.step()) host.ports.push_back({uint16_t(s.column_int(0)), uint16_t(s.column_int(1))});
  }
  return result;
}

std::vector<Host> hosts() {
  std::vector<Host> result = host_entries();
  for (const VpnServer& server : vpn_servers()) {
    bool named = std::any_of(result.begin(), result.end(), [&](const Host& h) { return same_name(h.name, server.host); });
    if (!named) result.push_back({server.host, server.address});
  }
  return result;
}

std::vector<VpnServer> vpn_servers() {
  std::vector<VpnServer> result;
  Statement s(
      "SELECT host, address, psk, client_first, client_last, tunnel, dial_ms, up, answers_echo"
      " FROM net_vpn_servers ORDER BY rowid");
  while (s.step()) {
    result.push_back({s.column_text(0), address_column(s, 1), {}, s.column_text(2), address_column(s, 3),
                      address_column(s, 4), address_column(s, 5), int(s.column_int(6)), s.column_int(7) != 0,
                      s.column_int(8) != 0});
  }
  for (VpnServer& server : result) server.accounts = accounts_of(server.host);
  return result;
}

std::optional<VpnServer> vpn_server_at(uint32_t address) {
  for (VpnServer& server : vpn_servers())
    if (server.address == address) return std::move(server);
  return std::nullopt;
}

std::vector<Link> links() {
  std::vector<Link> result;
  Statement s("SELECT next_hop, destination, delay_ms, lost, loss_percent FROM net_links ORDER BY rowid");
  while (s.step())
    result.push_back({address_column(s, 0), address_column(s, 1), int(s.column_int(2)), s.column_int(3) != 0,
                      int(s.column_int(4))});
  return result;
}

std::optional<uint32_t> resolve(std::string_view name) {
  for (const Host& host : hosts())
    if (same_name(host.name, name)) return host.address ? std::optional<uint32_t>(host.address) : std::nullopt;
  return std::nullopt;
}

std::optional<uint16_t> local_port(std::string_view host, uint16_t port) {
  std::optional<uint32_t> address = parse_dotted(host);
  for (const Host& entry : host_entries()) {
    bool named = address ? entry.address == *address : same_name(entry.name, host);
    if (!named) continue;
    for (const PortMapping& mapping : entry.ports)
      if (mapping.port == port) return mapping.local;
  }
  return std::nullopt;
}

void count_dial(const std::string& server, const std::string& user) {
  Statement s("UPDATE net_accounts SET dials = dials - 1 WHERE server = ? AND user = ? AND dials > 0");
  s.bind(1, server).bind(2, user).step();
}

}  // namespace platform::net
