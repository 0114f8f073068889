// RAS's tables in the machine database.
#include "kernel/machine.h"
#include "kernel/schema.h"

namespace platform::ras {
namespace {

void create_tables() {
  // RAS: the credentials stored for phone-book entries (owner '' holds those for all users)
  // and the live connections, one row each, keyed by the HRASCONN value handed out.
  machine::exec(
      "CREATE TABLE IF NOT EXISTS ras_credentials("
      "  phonebook TEXT NOT NULL,"
      "  entry TEXT NOT NULL,"
      "  owner TEXT NOT NULL,"
      "  user_name TEXT NOT NULL DEFAULT '',"
      "  password TEXT NOT NULL DEFAULT '',"
      "  domain TEXT NOT NULL DEFAULT '',"
      "  preshared_key TEXT NOT NULL DEFAULT '',"
      "  stored INTEGER NOT NULL DEFAULT 0,"
      "  PRIMARY KEY(phonebook, entry, owner));"
      "CREATE TABLE IF NOT EXISTS ras_connections("
      "  id INTEGER PRIMARY KEY,"
      "  entry TEXT NOT NULL,"
      "  phonebook TEXT NOT NULL,"
      "  guid BLOB NOT NULL,"
      "  device_type TEXT NOT NULL,"
      "  device_name TEXT NOT NULL,"
      "  server_host TEXT NOT NULL,"
      "  server_address INTEGER NOT NULL,"
      "  client_address INTEGER NOT NULL,"
      "  tunnel_address INTEGER NOT NULL,"
      "  if_index INTEGER NOT NULL,"
      "  dialled_ns INTEGER NOT NULL,"
      "  all_users INTEGER NOT NULL DEFAULT 0,"
      "  global_creds INTEGER NOT NULL DEFAULT 0);");
}

// Tables only.
const machine::CreationStep step(10, create_tables);

}  // namespace
}  // namespace platform::ras
