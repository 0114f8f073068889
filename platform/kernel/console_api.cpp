// AllocConsole, AttachConsole, FreeConsole and writing to a console. The terminal behind a
// console takes UTF-8: WriteConsoleW converts from UTF-16, WriteConsoleA from windows-1252.
#include <errno.h>
#include <signal.h>
#include <unistd.h>

#include <string>

#include "kernel/console.h"
#include "kernel/handles.h"
#include "kernel/std_handles.h"
#include "kernel/text.h"

namespace {

using platform::console::ConsoleHandle;

BOOL attach_to(std::shared_ptr<platform::console::Console> console) {
  if (!platform::console::attach(console)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  platform::std_handles::fill_from(console);
  return TRUE;
}

BOOL write_console(HANDLE h, const std::string& utf8, DWORD chars, LPDWORD written) {
  if (written) *written = 0;
  auto console = platform::handles::get_as<ConsoleHandle>(h);
  if (!console || !console->attached()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  DWORD done = 0;
  if (!console->write(utf8.data(), DWORD(utf8.size()), &done)) return FALSE;
  if (written) *written = chars;
  return TRUE;
}

}  // namespace

extern "C" {

BOOL WINAPI AllocConsole(void) {
  if (platform::console::current()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  return attach_to(platform::console::create_hidden());
}

BOOL WINAPI AttachConsole(DWORD dwProcessId) {
  if (platform::console::current()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (dwProcessId != ATTACH_PARENT_PROCESS && pid_t(dwProcessId) != getppid()) {
    // Another process's console cannot be reached from here.
    bool exists = kill(pid_t(dwProcessId), 0) == 0 || errno == EPERM;
    SetLastError(exists ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto console = platform::console::parent();
  if (!console) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return attach_to(console);
}

BOOL WINAPI FreeConsole(void) {
  platform::console::detach();
  return TRUE;
}

HWND WINAPI GetConsoleWindow(void) { return nullptr; }

BOOL WINAPI WriteConsoleW(HANDLE hConsoleOutput, const void* lpBuffer, DWORD nNumberOfCharsToWrite,
                          LPDWORD lpNumberOfCharsWritten, LPVOID) {
  std::u16string text = platform::text::from_wide(static_cast<const WCHAR*>(lpBuffer), nNumberOfCharsToWrite);
  return write_console(hConsoleOutput, platform::text::utf8(text), nNumberOfCharsToWrite, lpNumberOfCharsWritten);
}

BOOL WINAPI WriteConsoleA(HANDLE hConsoleOutput, const void* lpBuffer, DWORD nNumberOfCharsToWrite,
                          LPDWORD lpNumberOfCharsWritten, LPVOID) {
  std::string_view ansi(static_cast<const char*>(lpBuffer), nNumberOfCharsToWrite);
  return write_console(hConsoleOutput, platform::text::utf8(platform::text::from_ansi(ansi)), nNumberOfCharsToWrite,
                       lpNumberOfCharsWritten);
}

}  // extern "C"

