// Starting, controlling and querying services from any process of the machine.
#include <windows.h>
#include <unistd.h>

#include <string>

#include "machine/clock.h"
#include "kernel/text.h"
#include "kernel/wait.h"
#include "services/environment_marker.h"
#include "services/sc_handle.h"
#include "services/service_db.h"
#include "services/status_table.h"

using namespace platform;
using namespace platform::services;

namespace {

constexpr DWORD kPollMs = 5;
// How long the manager waits for a started process to reach its dispatcher, and for a
// control to be handled.
constexpr int64_t kConnectLimitNs = 30'000'000'000;
constexpr int64_t kControlLimitNs = 30'000'000'000;
// How long StartService waits for a connected service to leave START_PENDING.
constexpr int64_t kStartLimitNs = 30'000'000'000;

// The creator's environment plus the service marker, as a UTF-16 block.
std::u16string service_environment(const std::u16string& key_name) {
  std::u16string block;
  std::string marker = std::string(kServiceVariable) + "=";
  for (char** e = environ; *e; ++e)
    if (std::string(*e).rfind(marker, 0) != 0) block += text::utf16(*e) + u'\0';
  block += text::utf16(marker) + key_name + u'\0';
  block += u'\0';
  return block;
}

DWORD launch(const Config& config) {
  std::u16string line = config.image_path;
  std::u16string environment = service_environment(config.key_name);
  std::u16string directory = u"C:\\Windows\\System32";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, reinterpret_cast<LPWSTR>(line.data()), nullptr, nullptr, FALSE,
                      CREATE_UNICODE_ENVIRONMENT | DETACHED_PROCESS, environment.data(), text::wide(directory), &startup, &process))
    return GetLastError();
  record_process(config.key_name, GetProcessId(process.hProcess), false);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

// Waits for the process to connect, then for it to leave START_PENDING.
DWORD await_start(const std::u16string& key_name) {
  int64_t deadline = clock::now_ns() + kConnectLimitNs;
  for (;;) {
    StatusRow row = load_status(key_name);
    if (row.status.dwCurrentState == SERVICE_STOPPED)
      return row.connected || row.status.dwWin32ExitCode != ERROR_PROCESS_ABORTED ? 0 : ERROR_SERVICE_REQUEST_TIMEOUT;
    if (row.connected) break;
    if (clock::now_ns() > deadline) return ERROR_SERVICE_REQUEST_TIMEOUT;
    wait::sleep(kPollMs);
  }
  deadline = clock::now_ns() + kStartLimitNs;
  while (load_status(key_name).status.dwCurrentState == SERVICE_START_PENDING && clock::now_ns() < deadline)
    wait::sleep(kPollMs);
  return 0;
}

bool known_control(DWORD control) {
  return (control >= SERVICE_CONTROL_STOP && control <= SERVICE_CONTROL_INTERROGATE) || (control >= 128 && control <= 255);
}

DWORD access_for(DWORD control) {
  switch (control) {
    case SERVICE_CONTROL_STOP: return SERVICE_STOP;
    case SERVICE_CONTROL_PAUSE:
    case SERVICE_CONTROL_CONTINUE: return SERVICE_PAUSE_CONTINUE;
    case SERVICE_CONTROL_INTERROGATE: return SERVICE_INTERROGATE;
    default: return SERVICE_USER_DEFINED_CONTROL;
  }
}

bool accepts(DWORD accepted, DWORD control) {
  switch (control) {
    case SERVICE_CONTROL_STOP: return accepted & SERVICE_ACCEPT_STOP;
    case SERVICE_CONTROL_PAUSE:
    case SERVICE_CONTROL_CONTINUE: return accepted & SERVICE_ACCEPT_PAUSE_CONTINUE;
    default: return true;
  }
}

// Posts the control and waits until the service's handler has returned.
DWORD deliver(const std::u16string& key_name, DWORD control) {
  int64_t deadline = clock::now_ns() + kControlLimitNs;
  std::optional<long long> seq;
  while (!(seq = post_control(key_name, control))) {
    if (clock::now_ns() > deadline) return ERROR_SERVICE_REQUEST_TIMEOUT;
    wait::sleep(kPollMs);
  }
  for (;;) {
    StatusRow row = load_status(key_name);
    if (row.control_done >= *seq) return 0;
    if (row.status.dwCurrentState == SERVICE_STOPPED) return 0;
    if (clock::now_ns() > deadline) return ERROR_SERVICE_REQUEST_TIMEOUT;
    wait::sleep(kPollMs);
  }
}

}  // namespace

BOOL WINAPI QueryServiceStatus(SC_HANDLE hService, LPSERVICE_STATUS lpServiceStatus) {
  const ScObject* service = service_of(hService);
  if (!service) return FALSE;
  if (!lpServiceStatus) return fail(ERROR_INVALID_PARAMETER);
  if (!(service->access & SERVICE_QUERY_STATUS)) return fail(ERROR_ACCESS_DENIED);
  *lpServiceStatus = load_status(service->key_name).status;
  return TRUE;
}

BOOL WINAPI StartServiceA(SC_HANDLE hService, DWORD, LPCSTR*) {
  const ScObject* service = service_of(hService);
  if (!service) return FALSE;
  if (!(service->access & SERVICE_START)) return fail(ERROR_ACCESS_DENIED);
  auto config = read_config(service->key_name);
  if (!config) return fail(ERROR_SERVICE_DOES_NOT_EXIST);
  StatusRow row = load_status(service->key_name);
  if (row.marked_for_delete) return fail(ERROR_SERVICE_MARKED_FOR_DELETE);
  if (config->start == SERVICE_DISABLED) return fail(ERROR_SERVICE_DISABLED);
  if (always_running(*config) || row.status.dwCurrentState != SERVICE_STOPPED)
    return fail(ERROR_SERVICE_ALREADY_RUNNING);
  begin_start(service->key_name);
  if (DWORD error = launch(*config)) {
    store_reported(service->key_name, {config->type, SERVICE_STOPPED, 0, error, 0, 0, 0});
    return fail(error);
  }
  if (DWORD error = await_start(service->key_name)) return fail(error);
  return TRUE;
}

BOOL WINAPI ControlService(SC_HANDLE hService, DWORD dwControl, LPSERVICE_STATUS lpServiceStatus) {
  const ScObject* service = service_of(hService);
  if (!service) return FALSE;
  if (!lpServiceStatus || !known_control(dwControl)) return fail(ERROR_INVALID_PARAMETER);
  if (!(service->access & access_for(dwControl))) return fail(ERROR_ACCESS_DENIED);
  StatusRow row = load_status(service->key_name);
  *lpServiceStatus = row.status;
  DWORD state = row.status.dwCurrentState;
  if (state == SERVICE_STOPPED) return fail(ERROR_SERVICE_NOT_ACTIVE);
  if (state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING) return fail(ERROR_SERVICE_CANNOT_ACCEPT_CTRL);
  if (!accepts(row.status.dwControlsAccepted, dwControl)) return fail(ERROR_INVALID_SERVICE_CONTROL);
  if (!row.connected) return TRUE;  // a part of the system, without a process: only interrogated
  if (DWORD error = deliver(service->key_name, dwControl)) return fail(error);
  *lpServiceStatus = load_status(service->key_name).status;
  return TRUE;
}
