#include "services/status_table.h"

#include <fstream>

#include "kernel/machine.h"
#include "kernel/machine_signal.h"
#include "kernel/text.h"
#include "services/service_db.h"

namespace platform::services {
namespace {

std::string row_key(std::u16string_view key_name) { return text::utf8(text::upper(key_name)); }

// A process that has exited (or is a zombie nobody reaped) no longer runs its service.
bool process_alive(long long pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!in || !std::getline(in, line)) return false;
  size_t close = line.rfind(')');
  return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z' && line[close + 2] != 'X';
}

void ensure_row(const std::string& key, std::u16string_view key_name) {
  auto config = read_config(key_name);
  bool running = config && always_running(*config);
  machine::Statement s(
      "INSERT OR IGNORE INTO svc_status(name, type, state) VALUES(?, ?, ?)");
  s.bind(1, key).bind(2, config ? config->type : SERVICE_WIN32_OWN_PROCESS);
  s.bind(3, running ? SERVICE_RUNNING : SERVICE_STOPPED).step();
}

}  // namespace

StatusRow load_status(std::u16string_view key_name) {
  std::string key = row_key(key_name);
  ensure_row(key, key_name);
  StatusRow row;
  {
    machine::Statement s(
        "SELECT type, state, accepted, win32_exit, specific_exit, checkpoint, wait_hint, pid, connected,"
        " pending_control, control_seq, control_done, open_handles, marked FROM svc_status WHERE name = ?");
    s.bind(1, key);
    if (!s.step()) return row;
    SERVICE_STATUS& st = row.status;
    st.dwServiceType = DWORD(s.column_int(0));
    st.dwCurrentState = DWORD(s.column_int(1));
    st.dwControlsAccepted = DWORD(s.column_int(2));
    st.dwWin32ExitCode = DWORD(s.column_int(3));
    st.dwServiceSpecificExitCode = DWORD(s.column_int(4));
    st.dwCheckPoint = DWORD(s.column_int(5));
    st.dwWaitHint = DWORD(s.column_int(6));
    row.pid = s.column_int(7);
    row.connected = s.column_int(8) != 0;
    row.pending_control = DWORD(s.column_int(9));
    row.control_seq = s.column_int(10);
    row.control_done = s.column_int(11);
    row.open_handles = s.column_int(12);
    row.marked_for_delete = s.column_int(13) != 0;
  }
  if (row.status.dwCurrentState != SERVICE_STOPPED && row.pid != 0 && !process_alive(row.pid)) {
    row.status = {row.status.dwServiceType, SERVICE_STOPPED, 0, DWORD(ERROR_PROCESS_ABORTED), 0, 0, 0};
    row.pid = 0;
    row.connected = false;
    row.pending_control = 0;
    row.control_done = row.control_seq;
    machine::Statement u(
        "UPDATE svc_status SET state = ?, accepted = 0, win32_exit = ?, specific_exit = 0, checkpoint = 0,"
        " wait_hint = 0, pid = 0, connected = 0, pending_control = 0, control_done = control_seq WHERE name = ?");
    u.bind(1, SERVICE_STOPPED).bind(2, row.status.dwWin32ExitCode).bind(3, key).step();
  }
  return row;
}

void store_reported(std::u16string_view key_name, const SERVICE_STATUS& st) {
  machine::Statement s(
      "UPDATE svc_status SET type = ?, state = ?, accepted = ?, win32_exit = ?, specific_exit = ?, checkpoint = ?,"
      " wait_hint = ? WHERE name = ?");
  s.bind(1, st.dwServiceType).bind(2, st.dwCurrentState).bind(3, st.dwControlsAccepted);
  s.bind(4, st.dwWin32ExitCode).bind(5, st.dwServiceSpecificExitCode).bind(6, st.dwCheckPoint);
  s.bind(7, st.dwWaitHint).bind(8, row_key(key_name)).step();
}

void begin_start(std::u16string_view key_name) {
  load_status(key_name);
  machine::Statement s(
      "UPDATE svc_status SET state = ?, accepted = 0, win32_exit = 0, specific_exit = 0, checkpoint = 0,"
      " wait_hint = 2000, pid = 0, connected = 0, pending_control = 0, control_done = control_seq WHERE name = ?");
  s.bind(1, SERVICE_START_PENDING).bind(2, row_key(key_name)).step();
}

void record_process(std::u16string_view key_name, long long pid, bool connected) {
  machine::Statement s("UPDATE svc_status SET pid = ?, connected = ? WHERE name = ?");
  s.bind(1, pid).bind(2, connected ? 1 : 0).bind(3, row_key(key_name)).step();
}

std::optional<long long> post_control(std::u16string_view key_name, DWORD control) {
  std::string key = row_key(key_name);
  machine::Transaction t;
  machine::Statement s(
      "UPDATE svc_status SET pending_control = ?, control_seq = control_seq + 1"
      " WHERE name = ? AND pending_control = 0");
  s.bind(1, control).bind(2, key).step();
  if (sqlite3_changes(machine::db()) == 0) return std::nullopt;
  machine::Statement q("SELECT control_seq FROM svc_status WHERE name = ?");
  q.bind(1, key);
  q.step();
  long long seq = q.column_int(0);
  t.commit();
  machine_signal::bump(kControlSignal);
  return seq;
}

void finish_control(std::u16string_view key_name, long long seq) {
  machine::Statement s("UPDATE svc_status SET pending_control = 0, control_done = ? WHERE name = ?");
  s.bind(1, seq).bind(2, row_key(key_name)).step();
}

void add_handle(std::u16string_view key_name, int delta) {
  machine::Transaction t;
  load_status(key_name);
  machine::Statement s("UPDATE svc_status SET open_handles = MAX(0, open_handles + ?) WHERE name = ?");
  s.bind(1, delta).bind(2, row_key(key_name)).step();
  t.commit();
}

void mark_for_delete(std::u16string_view key_name) {
  machine::Transaction t;
  load_status(key_name);
  machine::Statement s("UPDATE svc_status SET marked = 1 WHERE name = ?");
  s.bind(1, row_key(key_name)).step();
  t.commit();
}

// The check and the removal are one transaction: the service process reporting its stop and
// another process closing the last handle may both get here at once.
void collect_if_deleted(std::u16string_view key_name) {
  machine::Transaction t;
  StatusRow row = load_status(key_name);
  if (!row.marked_for_delete || row.open_handles > 0 || row.status.dwCurrentState != SERVICE_STOPPED) return;
  remove_service_key(key_name);
  machine::Statement s("DELETE FROM svc_status WHERE name = ?");
  s.bind(1, row_key(key_name)).step();
  t.commit();
}

}  // namespace platform::services
