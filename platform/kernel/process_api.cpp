// The process functions besides creation, and the command line.
#include <stdio.h>
#include <unistd.h>

#include <mutex>

#include "kernel/handles.h"
#include "kernel/process_identity.h"
#include "kernel/process_object.h"
#include "kernel/text.h"
#include "kernel/wait.h"

namespace {

std::shared_ptr<platform::ProcessObject> process_or_error(HANDLE h) {
  auto process = platform::process_of(h);
  if (!process) SetLastError(ERROR_INVALID_HANDLE);
  return process;
}

}  // namespace

extern "C" {

HANDLE WINAPI GetCurrentProcess(void) { return reinterpret_cast<HANDLE>(-1); }

HANDLE WINAPI OpenProcess(DWORD, BOOL bInheritHandle, DWORD dwProcessId) {
  auto process = platform::open_process(dwProcessId);
  if (!process) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return platform::handles::add(process, bInheritHandle);
}

DWORD WINAPI GetProcessId(HANDLE Process) {
  auto process = process_or_error(Process);
  return process ? process->id() : 0;
}

BOOL WINAPI GetExitCodeProcess(HANDLE hProcess, LPDWORD lpExitCode) {
  auto process = process_or_error(hProcess);
  if (!process) return FALSE;
  std::lock_guard g(platform::wait::mutex());
  *lpExitCode = process->exit_code();
  return TRUE;
}

BOOL WINAPI TerminateProcess(HANDLE hProcess, UINT uExitCode) {
  auto process = process_or_error(hProcess);
  return process ? process->terminate(uExitCode) : FALSE;
}

// Ends at once, as Windows does, without running static destructors while other threads still
// use them; what the C runtime buffered is written first.
void WINAPI ExitProcess(UINT uExitCode) {
  fflush(nullptr);
  _exit(int(uExitCode));
}

LPWSTR WINAPI GetCommandLineW(void) {
  return const_cast<LPWSTR>(platform::text::wide(platform::process::command_line()));
}

LPSTR WINAPI GetCommandLineA(void) {
  static std::string* ansi = new std::string(platform::text::to_ansi(platform::process::command_line()));
  return ansi->data();
}

}  // extern "C"
