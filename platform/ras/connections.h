// The machine's live RAS connections (table ras_connections). A connection belongs to no
// process: it lasts until it is hung up, dropped by `winsim ras drop` or lost with its server
// or the path to it. Every change bumps the machine signal "ras".
#pragma once

#include <ras.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace winsim::ras {

struct Connection {
  uint32_t id = 0;  // the HRASCONN value
  std::u16string entry, phonebook;
  GUID guid{};
  std::u16string device_type, device_name, server_host;
  uint32_t server_address = 0, client_address = 0, tunnel_address = 0;  // network byte order
  uint32_t if_index = 0;
  int64_t dialled_ns = 0;
  bool all_users = false, global_creds = false;
};

inline uint32_t handle_value(HRASCONN h) { return uint32_t(reinterpret_cast<uintptr_t>(h)); }
inline HRASCONN as_handle(uint32_t value) { return reinterpret_cast<HRASCONN>(uintptr_t(value)); }

// A new HRASCONN value from the machine's counter: never 0, never handed out twice.
uint32_t issue_handle();
bool was_issued(uint32_t handle);

// The connections whose servers can still be reached; the others are ended first.
std::vector<Connection> live_connections();
std::optional<Connection> live_connection(uint32_t id);

// Adds a connection inside the caller's transaction; the caller bumps "ras" once it committed,
// so that no watcher looks before the row is there.
void add_connection(const Connection& connection);
// Ends a connection; false when there was none of that id.
bool end_connection(uint32_t id);

}  // namespace winsim::ras
