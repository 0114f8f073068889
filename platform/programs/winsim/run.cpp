// winsim run: a program started inside the machine through the platform's CreateProcessW, with
// winsim's console as its own; winsim exits with the program's exit code.
#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>

#include "kernel/command_line.h"
#include "commands.h"
#include "kernel/text.h"
#include "machine_root.h"

namespace platform::tool {
namespace {

constexpr int kCannotRun = 127;  // a shell's "command not found"

std::string reason(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND: return "The system cannot find the file specified.";
    case ERROR_PATH_NOT_FOUND: return "The system cannot find the path specified.";
    case ERROR_ACCESS_DENIED: return "Access is denied.";
    case ERROR_BAD_EXE_FORMAT: return "It is not a valid Win32 application.";
    case ERROR_DIRECTORY: return "The directory name is invalid.";
    default: return "error " + std::to_string(error) + ".";
  }
}

int cannot_run(const std::string& program, DWORD error) {
  std::fprintf(stderr, "winsim: cannot run %s: %s\n", program.c_str(), reason(error).c_str());
  return kCannotRun;
}

}  // namespace

int run_command(const Args& args) {
  std::u16string directory = u"C:\\Tarvolt";
  size_t first = 0;
  if (first < args.size() && args[first] == "--cwd") {
    if (first + 1 == args.size()) return fail("--cwd takes a Windows path");
    directory = text::utf16(args[first + 1]);
    first += 2;
  }
  if (first == args.size()) return fail("usage: winsim run [--cwd WINPATH] PROGRAM [ARGS...]");
  if (!attach_machine()) return 1;
  const std::string& program = args[first];

  std::vector<std::u16string> words;
  for (size_t i = first; i < args.size(); ++i) words.push_back(text::utf16(args[i]));
  std::u16string line = command_line::join(words);

  // The program is looked for in the directory it runs in, as a command prompt there would.
  if (!SetCurrentDirectoryW(text::wide(directory))) return cannot_run(program, GetLastError());
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::fflush(stdout);
  std::fflush(stderr);
  if (!CreateProcessW(nullptr, reinterpret_cast<LPWSTR>(line.data()), nullptr, nullptr, FALSE, 0, nullptr,
                      text::wide(directory), &startup, &process))
    return cannot_run(program, GetLastError());
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return int(code);
}

}  // namespace platform::tool
