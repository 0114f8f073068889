// The registry's tables in the machine database, with the keys every machine starts with.
#include "kernel/machine.h"
#include "kernel/schema.h"

namespace platform::registry {
namespace {

void create_tables() {
  // The registry: keys (names as created, upper-cased copies for lookup), values in the order
  // they were added. Ids are never reused, so a handle on a deleted key stays deleted.
  machine::exec(
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
  machine::exec(
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

}

// Before every area that keeps its settings under the registry's keys.
const machine::CreationStep step(10, create_tables);

}  // namespace
}  // namespace platform::registry
