// The machine's live RAS connections (table ras_connections). A connection belongs to no
// process: it lasts until it is hung up, dropped by `winsim ras drop` or lost with its server
// or the path to it. Every change bumps the machine signal "ras".
#pragma once

#include <ras.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::ras {

struct Connection {
  uint64_t id = 0;  // the HRASCONN value
  std::u16string entry, phonebook;
  GUID guid{};
  std::u16string device_type, device_name, server_host;
  uint32_t server_address = 0, client_address = 0, tunnel_address = 0;  // network byte order
  uint32_t if_index = 0;
  int64_t dialled_ns = 0;
  bool all_users = false, global_creds = false;
};

// The whole 64 bits of a handle: a handle cut to 32 bits is another, invalid one.
inline uint64_t handle_value(HRASCONN h) { return reinterpret_cast<uintptr_t>(h); }
inline HRASCONN as_handle(uint64_t value) { return reinterpret_cast<HRASCONN>(uintptr_t(value)); }

// A new HRASCONN value from the machine's counter: never handed out twice, and above 4 GiB as
// a 64-bit machine's handles may be, so that a program that keeps one in 32 bits holds none.
uint64_t issue_handle();
bool was_issued(uint64_t handle);
// The place of an issued handle in the machine's sequence: 1 for the first.
uint32_t handle_serial(uint64_t handle);

// The connections whose servers can still be reached; the others are ended first.
std::vector<Connection> live_connections();
std::optional<Connection> live_connection(uint64_t id);

// Adds a connection inside the caller's transaction; the caller bumps "ras" once it committed,
// so that no watcher looks before the row is there.
void add_connection(const Connection& connection);
// Ends a connection; false when there was none of that id.
bool end_connection(uint64_t id);

}  // namespace platform::ras
