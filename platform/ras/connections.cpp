#include "ras/connections.h"

#include <cstring>
#include <string>

#include "kernel/machine.h"
#include "kernel/machine_signal.h"
#include "kernel/text.h"
#include "net/interfaces.h"
#include "ras/server_path.h"

namespace platform::ras {
namespace {

constexpr char kHandleCounter[] = "ras_last_handle";
constexpr char kColumns[] =
    "id, entry, phonebook, guid, device_type, device_name, server_host, server_address, client_address,"
    " tunnel_address, if_index, dialled_ns, all_users, global_creds";

// The handles follow this value.
constexpr uint64_t kHandleBase = uint64_t(1) << 32;

uint64_t last_handle() { return std::stoull(machine::config(kHandleCounter, std::to_string(kHandleBase))); }

std::vector<Connection> stored_connections() {
  static const std::string& sql = *new std::string(std::string("SELECT ") + kColumns + " FROM ras_connections ORDER BY id");
  machine::Statement s(sql.c_str());
  std::vector<Connection> result;
  while (s.step()) {
    Connection c;
    c.id = uint64_t(s.column_int(0));
    c.entry = text::utf16(s.column_text(1));
    c.phonebook = text::utf16(s.column_text(2));
    std::string guid = s.column_blob(3);
    std::memcpy(&c.guid, guid.data(), std::min(guid.size(), sizeof c.guid));
    c.device_type = text::utf16(s.column_text(4));
    c.device_name = text::utf16(s.column_text(5));
    c.server_host = text::utf16(s.column_text(6));
    c.server_address = uint32_t(s.column_int(7));
    c.client_address = uint32_t(s.column_int(8));
    c.tunnel_address = uint32_t(s.column_int(9));
    c.if_index = uint32_t(s.column_int(10));
    c.dialled_ns = s.column_int(11);
    c.all_users = s.column_int(12) != 0;
    c.global_creds = s.column_int(13) != 0;
    result.push_back(std::move(c));
  }
  return result;
}

// The network gives each connection its PPP interface.
std::vector<net::PppConnection> ppp_interfaces() {
  std::vector<net::PppConnection> result;
  for (const Connection& c : stored_connections())
    result.push_back({c.if_index, text::utf8(c.entry), c.client_address, c.tunnel_address, c.server_address});
  return result;
}

const bool attached = (net::attach_ppp_connections(ppp_interfaces), true);

}  // namespace

uint64_t issue_handle() {
  machine::Transaction transaction;
  uint64_t handle = last_handle() + 1;
  machine::set_config(kHandleCounter, std::to_string(handle));
  transaction.commit();
  return handle;
}

bool was_issued(uint64_t handle) { return handle > kHandleBase && handle <= last_handle(); }

uint32_t handle_serial(uint64_t handle) { return uint32_t(handle - kHandleBase); }

std::vector<Connection> live_connections() {
  std::vector<Connection> live;
  for (Connection& c : stored_connections()) {
    if (server_path(c.server_address))
      live.push_back(std::move(c));
    else
      end_connection(c.id);
  }
  return live;
}

std::optional<Connection> live_connection(uint64_t id) {
  for (Connection& c : live_connections())
    if (c.id == id) return std::move(c);
  return std::nullopt;
}

void add_connection(const Connection& c) {
  static const std::string sql =
      std::string("INSERT INTO ras_connections(") + kColumns + ") VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
  machine::Statement s(sql.c_str());
  s.bind(1, (long long)c.id).bind(2, text::utf8(c.entry)).bind(3, text::utf8(c.phonebook));
  s.bind_blob(4, &c.guid, sizeof c.guid);
  s.bind(5, text::utf8(c.device_type)).bind(6, text::utf8(c.device_name)).bind(7, text::utf8(c.server_host));
  s.bind(8, (long long)c.server_address).bind(9, (long long)c.client_address);
  s.bind(10, (long long)c.tunnel_address).bind(11, (long long)c.if_index).bind(12, (long long)c.dialled_ns);
  s.bind(13, c.all_users ? 1 : 0).bind(14, c.global_creds ? 1 : 0);
  s.step();
}

bool end_connection(uint64_t id) {
  machine::Statement s("DELETE FROM ras_connections WHERE id = ?");
  s.bind(1, (long long)id);
  s.step();
  bool ended = sqlite3_changes(machine::db()) > 0;
  if (ended) machine_signal::bump("ras");
  return ended;
}

}  // namespace platform::ras
