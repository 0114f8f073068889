// The desktop's tables in the machine database.
#include "kernel/machine.h"
#include "kernel/schema.h"

namespace platform::user {
namespace {

void create_tables() {
  // The desktop log: every message box shown in the machine, with its answer and how it came.
  machine::exec(
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
  machine::exec(
      "CREATE TABLE IF NOT EXISTS desktop_windows("
      "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
      "  hwnd INTEGER NOT NULL DEFAULT 0,"
      "  pid INTEGER NOT NULL,"
      "  top_level INTEGER NOT NULL);");
}

// Tables only.
const machine::CreationStep step(10, create_tables);

}  // namespace
}  // namespace platform::user
