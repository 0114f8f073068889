#include "kernel/schema.h"

#include "kernel/machine.h"
#include "net/default_world.h"
#include "services/builtin_services.h"

namespace platform::machine {

// Each area of the machine that keeps shared state adds its tables here.
void create_schema() {
  // The registry: keys (names as created, upper-cased copies for lookup), values in the order
  // they were added. Ids are never reused, so a handle on a deleted key stays deleted.
  exec(
      "CREATE TABLE IF NOT EXISTS reg_keys("
      "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
      "  parent INTEGER REFERENCES reg_keys(id) ON DELETE CASCADE,"
      "  name TEXT NOT NULL,"
      "  name_upper TEXT NOT NULL,"
      "  last_write_ns INTEGER NOT NULL);"
      "CREATE UNIQUE INDEX IF NOT EXISTS reg_keys_by_name ON reg_keys(parent, name_upper);"
      "CREATE TABLE IF NOT EXISTS reg_values("
      "  key_id INTEGER NOT NULL REFERENCES reg_keys(id) ON DELETE CASCADE,"
      "  name TEXT NOT NULL,"
      "  name_upper TEXT NOT NULL,"
      "  type INTEGER NOT NULL,"
      "  data BLOB NOT NULL,"
      "  UNIQUE(key_id, name_upper));");
  // The root keys (fixed ids the registry maps the predefined handles to) and the keys every
  // machine starts with.
  exec(
      "INSERT OR IGNORE INTO reg_keys(id, parent, name, name_upper, last_write_ns) VALUES"
      "  (1, NULL, 'HKEY_CLASSES_ROOT', 'HKEY_CLASSES_ROOT', 0),"
      "  (2, NULL, 'HKEY_CURRENT_USER', 'HKEY_CURRENT_USER', 0),"
      "  (3, NULL, 'HKEY_LOCAL_MACHINE', 'HKEY_LOCAL_MACHINE', 0),"
      "  (4, NULL, 'HKEY_USERS', 'HKEY_USERS', 0);"
      "INSERT OR IGNORE INTO reg_keys(parent, name, name_upper, last_write_ns) VALUES"
      "  (2, 'Software', 'SOFTWARE', 0), (3, 'SOFTWARE', 'SOFTWARE', 0), (3, 'SYSTEM', 'SYSTEM', 0);"
      "INSERT OR IGNORE INTO reg_keys(parent, name, name_upper, last_write_ns)"
      "  SELECT id, 'CurrentControlSet', 'CURRENTCONTROLSET', 0 FROM reg_keys"
      "  WHERE parent = 3 AND name_upper = 'SYSTEM';"
      "INSERT OR IGNORE INTO reg_keys(parent, name, name_upper, last_write_ns)"
      "  SELECT k.id, 'Services', 'SERVICES', 0 FROM reg_keys k JOIN reg_keys s ON k.parent = s.id"
      "  WHERE s.parent = 3 AND s.name_upper = 'SYSTEM' AND k.name_upper = 'CURRENTCONTROLSET';"
      "UPDATE reg_keys SET last_write_ns = unixepoch() * 1000000000 WHERE last_write_ns = 0;");

  // Files: the opens of every process (for share modes) and the attributes and creation time
  // that Linux keeps no place for, both keyed by the file's device and inode.
  exec(
      "CREATE TABLE IF NOT EXISTS open_files("
      "  id INTEGER PRIMARY KEY,"
      "  dev INTEGER NOT NULL,"
      "  ino INTEGER NOT NULL,"
      "  pid INTEGER NOT NULL,"
      "  pid_start INTEGER NOT NULL,"
      "  access INTEGER NOT NULL,"
      "  share INTEGER NOT NULL);"
      "CREATE INDEX IF NOT EXISTS open_files_by_file ON open_files(dev, ino);"
      "CREATE TABLE IF NOT EXISTS file_attributes("
      "  dev INTEGER NOT NULL,"
      "  ino INTEGER NOT NULL,"
      "  birth INTEGER NOT NULL,"
      "  attributes INTEGER NOT NULL,"
      "  creation_ns INTEGER NOT NULL,"
      "  PRIMARY KEY(dev, ino));");

  // Services: what each service last reported and the control waiting for its process.
  exec(
      "CREATE TABLE IF NOT EXISTS svc_status("
      "  name TEXT PRIMARY KEY,"
      "  type INTEGER NOT NULL,"
      "  state INTEGER NOT NULL,"
      "  accepted INTEGER NOT NULL DEFAULT 0,"
      "  win32_exit INTEGER NOT NULL DEFAULT 0,"
      "  specific_exit INTEGER NOT NULL DEFAULT 0,"
      "  checkpoint INTEGER NOT NULL DEFAULT 0,"
      "  wait_hint INTEGER NOT NULL DEFAULT 0,"
      "  pid INTEGER NOT NULL DEFAULT 0,"
      "  connected INTEGER NOT NULL DEFAULT 0,"
      "  pending_control INTEGER NOT NULL DEFAULT 0,"
      "  control_seq INTEGER NOT NULL DEFAULT 0,"
      "  control_done INTEGER NOT NULL DEFAULT 0,"
      "  open_handles INTEGER NOT NULL DEFAULT 0,"
      "  marked INTEGER NOT NULL DEFAULT 0);");

  // The desktop log: every message box shown in the machine, with its answer and how it came.
  exec(
      "CREATE TABLE IF NOT EXISTS desktop_log("
      "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
      "  time_ns INTEGER NOT NULL,"
      "  pid INTEGER NOT NULL,"
      "  program TEXT NOT NULL,"
      "  caption TEXT NOT NULL,"
      "  text TEXT NOT NULL,"
      "  style INTEGER NOT NULL,"
      "  buttons TEXT NOT NULL,"
      "  answer TEXT NOT NULL,"
      "  how TEXT NOT NULL);");
  // The desktop's live windows: handles are numbered here so that each is unique in the machine
  // (hwnd = 0x10000 + 2 * id), with the process that owns the window.
  exec(
      "CREATE TABLE IF NOT EXISTS desktop_windows("
      "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
      "  hwnd INTEGER NOT NULL DEFAULT 0,"
      "  pid INTEGER NOT NULL,"
      "  top_level INTEGER NOT NULL);");
  // RAS: the credentials stored for phone-book entries (owner '' holds those for all users)
  // and the live connections, one row each, keyed by the HRASCONN value handed out.
  exec(
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
  // The network world (net/world.h: addresses in network byte order, names case-insensitive),
  // and what programs add to the machine's network: routes, addresses, neighbour entries.
  exec(
      "CREATE TABLE IF NOT EXISTS net_adapters("
      "  idx INTEGER PRIMARY KEY,"
      "  name TEXT NOT NULL,"
      "  address INTEGER NOT NULL,"
      "  mask INTEGER NOT NULL,"
      "  gateway INTEGER,"
      "  mac BLOB NOT NULL,"
      "  description TEXT NOT NULL,"
      "  metric INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_routers(address INTEGER PRIMARY KEY, up INTEGER NOT NULL);"
      "CREATE TABLE IF NOT EXISTS net_hosts(name TEXT PRIMARY KEY COLLATE NOCASE, address INTEGER NOT NULL);"
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
  services::install_builtin_services();
  net::install_default_world();
}

}  // namespace platform::machine
