// The service process's side: the control dispatcher, the control handler and status reports.
// Controls arrive as the pending control of the service's status row; the dispatcher sleeps
// until the manager's control signal moves, as a dispatcher blocks on its pipe, so that an idle
// service costs no processor time.
#include <windows.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "kernel/creator_protocol.h"
#include "kernel/machine_signal.h"
#include "kernel/text.h"
#include "services/environment_marker.h"
#include "services/sc_handle.h"
#include "services/status_table.h"

using namespace platform;
using namespace platform::services;

namespace {

// A stop reported from another thread interrupts the wait; this bounds it all the same.
constexpr DWORD kStoppedCheckMs = 1000;

struct ServiceProcess {
  std::u16string key_name;  // empty: not started as a service
  std::string ansi_name;
  LPSERVICE_MAIN_FUNCTIONA main = nullptr;
  std::atomic<LPHANDLER_FUNCTION> handler{nullptr};
  std::atomic<bool> stopped{false};
};

ServiceProcess& self() {
  static auto* process = new ServiceProcess;  // the service's threads may outlive main
  return *process;
}

// The one status handle of the process's service.
SERVICE_STATUS_HANDLE own_status_handle() { return reinterpret_cast<SERVICE_STATUS_HANDLE>(&self()); }

DWORD WINAPI run_service_main(LPVOID) {
  ServiceProcess& s = self();
  LPSTR argv[] = {s.ansi_name.data(), nullptr};
  s.main(1, argv);
  return 0;
}

// A service has no console: the starter's console, which came along for AttachConsole, is let go
// so that the starter's output ends when the starter does.
void drop_starter_console() {
  int console = creator::received().parent_console_fd;
  if (console < 0) return;
  int null = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (null < 0) return;
  dup3(null, console, O_CLOEXEC);
  close(null);
}

void serve_controls() {
  ServiceProcess& s = self();
  while (!s.stopped) {
    // Taken before the look: a control posted after it ends the wait at once.
    uint64_t seen = machine_signal::generation(kControlSignal);
    StatusRow row = load_status(s.key_name);
    LPHANDLER_FUNCTION handler = s.handler;
    if (row.pending_control != 0 && handler) {
      handler(row.pending_control);
      finish_control(s.key_name, row.control_seq);
    }
    if (!s.stopped) machine_signal::wait_change({{kControlSignal, seen}}, kStoppedCheckMs);
  }
}

}  // namespace

BOOL WINAPI StartServiceCtrlDispatcherA(const SERVICE_TABLE_ENTRYA* lpServiceStartTable) {
  ServiceProcess& s = self();
  const char* marker = std::getenv(kServiceVariable);
  if (!marker || !*marker || !s.key_name.empty()) return fail(ERROR_FAILED_SERVICE_CONTROLLER_CONNECT);
  if (!lpServiceStartTable || !lpServiceStartTable->lpServiceProc) return fail(ERROR_INVALID_PARAMETER);
  s.key_name = text::utf16(marker);
  s.ansi_name = text::to_ansi(s.key_name);  // a service of its own process: the table's name is not used
  s.main = lpServiceStartTable->lpServiceProc;
  unsetenv(kServiceVariable);  // the service's own children are no services
  drop_starter_console();
  record_process(s.key_name, getpid(), true);
  HANDLE thread = CreateThread(nullptr, 0, run_service_main, nullptr, 0, nullptr);
  if (!thread) return FALSE;
  serve_controls();
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return TRUE;
}

SERVICE_STATUS_HANDLE WINAPI RegisterServiceCtrlHandlerA(LPCSTR, LPHANDLER_FUNCTION lpHandlerProc) {
  ServiceProcess& s = self();
  if (s.key_name.empty()) return SetLastError(ERROR_SERVICE_DOES_NOT_EXIST), nullptr;
  if (!lpHandlerProc) return SetLastError(ERROR_INVALID_PARAMETER), nullptr;
  s.handler = lpHandlerProc;
  return own_status_handle();
}

BOOL WINAPI SetServiceStatus(SERVICE_STATUS_HANDLE hServiceStatus, LPSERVICE_STATUS lpServiceStatus) {
  ServiceProcess& s = self();
  if (s.key_name.empty() || hServiceStatus != own_status_handle()) return fail(ERROR_INVALID_HANDLE);
  if (!lpServiceStatus || lpServiceStatus->dwCurrentState < SERVICE_STOPPED ||
      lpServiceStatus->dwCurrentState > SERVICE_PAUSED)
    return fail(ERROR_INVALID_DATA);
  store_reported(s.key_name, *lpServiceStatus);
  if (lpServiceStatus->dwCurrentState == SERVICE_STOPPED) {
    record_process(s.key_name, 0, false);
    collect_if_deleted(s.key_name);
    s.stopped = true;
    machine_signal::interrupt_waits();
  }
  return TRUE;
}
