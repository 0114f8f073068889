#include "user/clipboard_store.h"

#include <errno.h>
#include <signal.h>

#include "kernel/machine.h"
#include "kernel/schema.h"
#include "kernel/thread.h"
#include "machine/clipboard.h"

namespace platform::user::clipboard {
namespace {

void create_tables() {
  // One row: the thread that has the clipboard open (pid 0: nobody), and its owner window.
  machine::exec(
      "CREATE TABLE IF NOT EXISTS clipboard_state("
      "  id INTEGER PRIMARY KEY CHECK(id = 1),"
      "  open_pid INTEGER NOT NULL,"
      "  open_tid INTEGER NOT NULL,"
      "  open_hwnd INTEGER NOT NULL,"
      "  owner_hwnd INTEGER NOT NULL,"
      "  sequence INTEGER NOT NULL);"
      "INSERT OR IGNORE INTO clipboard_state VALUES(1, 0, 0, 0, 0, 0);"
      "CREATE TABLE IF NOT EXISTS clipboard_data("
      "  format INTEGER PRIMARY KEY,"
      "  bytes BLOB NOT NULL);");
}

const machine::CreationStep step(10, create_tables);

struct Holder {
  DWORD pid = 0;
  DWORD tid = 0;
};

Holder holder() {
  machine::Statement s("SELECT open_pid, open_tid FROM clipboard_state WHERE id = 1");
  return s.step() ? Holder{DWORD(s.column_int(0)), DWORD(s.column_int(1))} : Holder{};
}

bool alive(DWORD pid) { return kill(pid_t(pid), 0) == 0 || errno == EPERM; }

bool held_by_caller(const Holder& h) { return h.pid == GetCurrentProcessId() && h.tid == thread::current_id(); }

long long column_of_state(const char* sql) {
  machine::Statement s(sql);
  return s.step() ? s.column_int(0) : 0;
}

void changed() { machine::exec("UPDATE clipboard_state SET sequence = sequence + 1 WHERE id = 1"); }

}  // namespace

bool open(HWND window) {
  machine::Transaction t;
  Holder h = holder();
  if (h.pid && !held_by_caller(h) && alive(h.pid)) return false;
  machine::Statement s("UPDATE clipboard_state SET open_pid = ?, open_tid = ?, open_hwnd = ? WHERE id = 1");
  s.bind(1, GetCurrentProcessId()).bind(2, thread::current_id()).bind(3, (long long)(uintptr_t(window))).step();
  t.commit();
  return true;
}

bool open_here() { return held_by_caller(holder()); }

bool close() {
  machine::Transaction t;
  if (!held_by_caller(holder())) return false;
  machine::exec("UPDATE clipboard_state SET open_pid = 0, open_tid = 0, open_hwnd = 0 WHERE id = 1");
  t.commit();
  return true;
}

void empty() {
  machine::Transaction t;
  machine::exec("DELETE FROM clipboard_data");
  machine::exec("UPDATE clipboard_state SET owner_hwnd = open_hwnd WHERE id = 1");
  changed();
  t.commit();
}

void put(UINT format, const std::string& bytes) {
  machine::Transaction t;
  machine::Statement s("INSERT OR REPLACE INTO clipboard_data(format, bytes) VALUES(?, ?)");
  s.bind(1, format).bind_blob(2, bytes.data(), int(bytes.size())).step();
  changed();
  t.commit();
}

Contents contents() {
  Contents out;
  machine::Statement s("SELECT format, bytes FROM clipboard_data");
  while (s.step()) out[UINT(s.column_int(0))] = s.column_blob(1);
  return out;
}

HWND owner() {
  return reinterpret_cast<HWND>(uintptr_t(column_of_state("SELECT owner_hwnd FROM clipboard_state WHERE id = 1")));
}

HWND open_window() {
  return reinterpret_cast<HWND>(uintptr_t(column_of_state("SELECT open_hwnd FROM clipboard_state WHERE id = 1")));
}

DWORD sequence() { return DWORD(column_of_state("SELECT sequence FROM clipboard_state WHERE id = 1")); }

}  // namespace platform::user::clipboard

namespace platform::desktop {

std::optional<std::u16string> clipboard_text() {
  std::optional<std::string> bytes = user::clipboard::render(user::clipboard::contents(), CF_UNICODETEXT);
  if (!bytes) return std::nullopt;
  return user::clipboard::unicode_text(*bytes);
}

}  // namespace platform::desktop
