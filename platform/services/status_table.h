// The status of every service in the machine database, shared by all processes: what the
// service last reported, the process that runs it, the control waiting for its dispatcher,
// the handles open on it and whether it is marked for deletion.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

namespace platform::services {

// The machine signal that moves whenever a control is posted to any service.
inline constexpr char kControlSignal[] = "svc_controls";

struct StatusRow {
  SERVICE_STATUS status{};
  long long pid = 0;        // 0: no process
  bool connected = false;   // the process reached StartServiceCtrlDispatcher
  DWORD pending_control = 0;
  long long control_seq = 0;   // controls posted
  long long control_done = 0;  // controls the dispatcher has handled
  long long open_handles = 0;
  bool marked_for_delete = false;
};

// The row of a service, created stopped when missing. A service whose process has ended is
// reported stopped (and recorded so).
StatusRow load_status(std::u16string_view key_name);
void store_reported(std::u16string_view key_name, const SERVICE_STATUS& status);
// A start: START_PENDING, the process not yet known.
void begin_start(std::u16string_view key_name);
void record_process(std::u16string_view key_name, long long pid, bool connected);
// Posts a control when none is pending; its sequence number, or nothing while one is.
std::optional<long long> post_control(std::u16string_view key_name, DWORD control);
void finish_control(std::u16string_view key_name, long long seq);
void add_handle(std::u16string_view key_name, int delta);
void mark_for_delete(std::u16string_view key_name);
// Removes a service marked for deletion once it has stopped and no handle is open on it.
void collect_if_deleted(std::u16string_view key_name);

}  // namespace platform::services
