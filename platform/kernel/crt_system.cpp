// The C runtime's system and _wsystem. The command runs in the machine's command interpreter
// (the one COMSPEC names, else cmd.exe found as process creation finds programs), never in the
// host's shell: defined in the program, they take the place of the C library's system.
#include <errno.h>
#include <stdlib.h>
#include <strings.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

#include "kernel/module_search.h"
#include "kernel/text.h"

namespace {

using platform::text::wide;

constexpr size_t kLongestCommandLine = 32767;  // CreateProcess's limit, with the ending NUL

// COMSPEC as this process's environment holds it; Windows' variable names ignore case.
std::optional<std::u16string> comspec() {
  constexpr std::string_view kName = "COMSPEC=";
  for (char** entry = environ; *entry; ++entry)
    if (strncasecmp(*entry, kName.data(), kName.size()) == 0 && (*entry)[kName.size()])
      return platform::text::utf16(*entry + kName.size());
  return std::nullopt;
}

int errno_of(DWORD error) {
  switch (error) {
    case ERROR_BAD_EXE_FORMAT: return ENOEXEC;
    case ERROR_NOT_ENOUGH_MEMORY: return ENOMEM;
    case ERROR_ACCESS_DENIED: return EACCES;
    case ERROR_FILENAME_EXCED_RANGE: return E2BIG;
    default: return ENOENT;
  }
}

// Whether the interpreter would not start at all, so that the runtime tries cmd.exe instead.
bool missing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_ACCESS_DENIED;
}

// Runs "INTERPRETER /c COMMAND" (joined by blanks, as the runtime joins a spawn's arguments)
// with this process's standard handles, and waits for it: its exit code, or empty with the
// reason in `error`. `named` takes the interpreter as the file itself; otherwise it is searched.
std::optional<int> run_interpreter(const std::u16string& interpreter, bool named, const std::u16string& command,
                                   DWORD* error) {
  std::u16string line = interpreter + u" /c " + command;
  if (line.size() >= kLongestCommandLine) {
    *error = ERROR_FILENAME_EXCED_RANGE;
    return std::nullopt;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(named ? wide(interpreter) : nullptr, const_cast<LPWSTR>(wide(line)), nullptr, nullptr, TRUE, 0,
                      nullptr, nullptr, &startup, &process)) {
    *error = GetLastError();
    return std::nullopt;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return int(code);
}

int run_command(const std::optional<std::u16string>& command) {
  std::optional<std::u16string> interpreter = comspec();
  if (!command) {
    bool found = (interpreter && platform::module_search::find(*interpreter, u"")) ||
                 platform::module_search::find(u"", u"cmd.exe");
    if (!found) errno = ENOENT;
    return found ? 1 : 0;
  }
  DWORD error = ERROR_FILE_NOT_FOUND;
  if (interpreter)
    if (std::optional<int> code = run_interpreter(*interpreter, true, *command, &error)) return *code;
  if (missing(error))
    if (std::optional<int> code = run_interpreter(u"cmd.exe", false, *command, &error)) return *code;
  errno = errno_of(error);
  return -1;
}

}  // namespace

extern "C" {

int system(const char* command) {
  return run_command(command ? std::optional(platform::text::from_ansi(command)) : std::nullopt);
}

int _wsystem(const WCHAR* command) {
  return run_command(command ? std::optional(platform::text::from_wide(command)) : std::nullopt);
}

}  // extern "C"
