// CreateProcessW and CreateProcessA: a process of the machine is a Linux process running the
// program file, with the command line split for its main, and its identity, handles and console
// handed over as creator_protocol.h describes.
#include <errno.h>

#include <cstring>
#include <fstream>

#include "kernel/child_environment.h"
#include "kernel/child_handover.h"
#include "kernel/command_line.h"
#include "kernel/handles.h"
#include "kernel/machine.h"
#include "kernel/module_search.h"
#include "kernel/paths.h"
#include "kernel/process_object.h"
#include "kernel/spawn.h"
#include "kernel/text.h"

namespace {

namespace fs = std::filesystem;

bool is_linux_program(const fs::path& file) {
  char magic[4] = {};
  std::ifstream in(file, std::ios::binary);
  return in.read(magic, sizeof magic) && magic[0] == 0x7f && magic[1] == 'E' && magic[2] == 'L' && magic[3] == 'F';
}

// The child's current directory: a full Windows path of an existing folder, or empty.
std::u16string start_directory(LPCWSTR given) {
  if (!given) return platform::paths::current_directory();
  std::u16string full = platform::paths::full(platform::text::from_wide(given));
  std::optional<fs::path> host = platform::paths::to_host(full);
  std::error_code ec;
  return host && fs::is_directory(*host, ec) ? full : std::u16string();
}

DWORD error_of_spawn(int error) {
  switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOEXEC: return ERROR_BAD_EXE_FORMAT;
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_GEN_FAILURE;
  }
}

bool is_batch_file(std::u16string_view path) {
  std::u16string_view ext = path.substr(path.size() >= 4 ? path.size() - 4 : 0);
  return platform::text::iequals(ext, u".bat") || platform::text::iequals(ext, u".cmd");
}

bool inheritable(LPSECURITY_ATTRIBUTES attributes) { return attributes && attributes->bInheritHandle; }

}  // namespace

extern "C" {

BOOL WINAPI CreateProcessW(LPCWSTR lpApplicationName, LPWSTR lpCommandLine,
                           LPSECURITY_ATTRIBUTES lpProcessAttributes, LPSECURITY_ATTRIBUTES lpThreadAttributes,
                           BOOL bInheritHandles, DWORD dwCreationFlags, LPVOID lpEnvironment,
                           LPCWSTR lpCurrentDirectory, LPSTARTUPINFOW lpStartupInfo,
                           LPPROCESS_INFORMATION lpProcessInformation) {
  using namespace platform;
  std::u16string application = text::from_wide(lpApplicationName);
  std::u16string line = lpCommandLine && *lpCommandLine ? text::from_wide(lpCommandLine) : application;
  const bool two_consoles = (dwCreationFlags & DETACHED_PROCESS) && (dwCreationFlags & CREATE_NEW_CONSOLE);
  if (!lpStartupInfo || !lpProcessInformation || line.empty() || two_consoles) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::optional<module_search::Module> module = module_search::find(application, line);
  if (!module) return FALSE;
  // A batch file runs in the machine's command interpreter, which is given the whole line.
  if (is_batch_file(module->windows_path)) {
    std::u16string interpreter = u"C:\\Windows\\System32\\cmd.exe";
    std::u16string cmd_line = interpreter + u" /c \"" + line + u"\"";
    return CreateProcessW(text::wide(interpreter), const_cast<LPWSTR>(text::wide(cmd_line)), lpProcessAttributes,
                          lpThreadAttributes, bInheritHandles, dwCreationFlags, lpEnvironment, lpCurrentDirectory,
                          lpStartupInfo, lpProcessInformation);
  }
  if (!is_linux_program(module->host_path)) {
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return FALSE;
  }
  std::u16string directory = start_directory(lpCurrentDirectory);
  if (directory.empty()) {
    SetLastError(ERROR_DIRECTORY);
    return FALSE;
  }

  ChildHandover handover = hand_over(bInheritHandles, dwCreationFlags, *lpStartupInfo);
  std::vector<std::string> protocol = creator::environment(handover.inheritance);
  protocol.push_back("WINSIM_ROOT=" + machine::root().string());
  protocol.push_back("WINSIM_IMAGE=" + text::utf8(module->windows_path));
  protocol.push_back("WINSIM_CMDLINE=" + text::utf8(line));
  protocol.push_back("WINSIM_CWD=" + text::utf8(directory));

  SpawnRequest request;
  request.program = module->host_path;
  for (const std::u16string& arg : command_line::split(line)) request.argv.push_back(text::to_ansi(arg));
  request.env = child_environment(lpEnvironment, dwCreationFlags & CREATE_UNICODE_ENVIRONMENT, std::move(protocol));
  request.std_fds = handover.std_fds;
  request.extra_fds = handover.extra_fds;
  pid_t pid = spawn(request);
  if (pid < 0) {
    SetLastError(error_of_spawn(-pid));
    return FALSE;
  }

  std::shared_ptr<ProcessObject> process = watch_child(pid);
  lpProcessInformation->hProcess = handles::add(process, inheritable(lpProcessAttributes));
  lpProcessInformation->hThread = handles::add(primary_thread(process), inheritable(lpThreadAttributes));
  lpProcessInformation->dwProcessId = DWORD(pid);
  lpProcessInformation->dwThreadId = DWORD(pid);
  return TRUE;
}

BOOL WINAPI CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES lpProcessAttributes,
                           LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags,
                           LPVOID lpEnvironment, LPCSTR lpCurrentDirectory, LPSTARTUPINFOA lpStartupInfo,
                           LPPROCESS_INFORMATION lpProcessInformation) {
  using platform::text::from_ansi;
  if (!lpStartupInfo) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // The two structures differ only in the type of the strings, which process creation ignores.
  STARTUPINFOW startup;
  static_assert(sizeof startup == sizeof *lpStartupInfo);
  std::memcpy(&startup, lpStartupInfo, sizeof startup);
  startup.lpReserved = startup.lpDesktop = startup.lpTitle = nullptr;
  auto wide_or_null = [](LPCSTR s, std::u16string& keep) -> LPWSTR {
    if (!s) return nullptr;
    keep = from_ansi(s);
    return const_cast<LPWSTR>(platform::text::wide(keep));
  };
  std::u16string application, line, directory;
  return CreateProcessW(wide_or_null(lpApplicationName, application), wide_or_null(lpCommandLine, line),
                        lpProcessAttributes, lpThreadAttributes, bInheritHandles, dwCreationFlags, lpEnvironment,
                        wide_or_null(lpCurrentDirectory, directory), &startup, lpProcessInformation);
}

}  // extern "C"
