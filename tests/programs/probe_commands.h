// The commands of the process tests' children. The first argument says what to do:
//   args                   writes GetCommandLineW (as UTF-8) and then each argument as "[arg]"
//   exit CODE [MS]         waits MS milliseconds, then ExitProcess(CODE)
//   write HANDLE TEXT      writes TEXT through the handle value; exits with the error or 0
//   hold MS TEXT           waits, then writes TEXT to its standard output
//   spawn ARGS...          starts "ARGS..." inheriting its handles, and exits without waiting
//   run [detached] ARGS... starts "ARGS..." (detached: DETACHED_PROCESS) and exits with its code
//   console                WriteConsoleW of non-ASCII text to its standard output
//   attach                 AttachConsole(ATTACH_PARENT_PROCESS), then as console
//   console_cycle          reports AttachConsole, FreeConsole and AllocConsole as "name=error"
//                          lines on descriptor 1 (the console handles change under it)
//   cwd                    writes its current directory
// Exit codes are the GetLastError() of the step that failed; any other command exits with 98.
// proc_probe.exe runs them as a console program, gui_probe.exe as a GUI program.
#pragma once

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

namespace probe {

inline std::string utf8(const WCHAR* text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
  std::string out(size > 0 ? size_t(size) : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, NULL, NULL);
  out.resize(out.size() - 1);
  return out;
}

inline int put(HANDLE h, const std::string& text) {
  DWORD done = 0;
  return WriteFile(h, text.data(), DWORD(text.size()), &done, NULL) ? 0 : int(GetLastError());
}

inline int put_out(const std::string& text) { return put(GetStdHandle(STD_OUTPUT_HANDLE), text); }

// The arguments from `first` on, as one command line (the tests pass no blanks inside them).
inline std::u16string rest(int argc, char** argv, int first) {
  std::u16string line;
  for (int i = first; i < argc; ++i) {
    if (i > first) line += u' ';
    for (const char* p = argv[i]; *p; ++p) line += char16_t(*p);
  }
  return line;
}

inline bool start(std::u16string line, DWORD flags, PROCESS_INFORMATION* pi) {
  STARTUPINFOW si;
  memset(&si, 0, sizeof si);
  si.cb = sizeof si;
  return CreateProcessW(NULL, reinterpret_cast<LPWSTR>(&line[0]), NULL, NULL, TRUE, flags, NULL, NULL, &si, pi) !=
         FALSE;
}

inline int write_console() {
  const char16_t text[] = u"Gr\u00fc\u00dfe \u20ac \U0001F600\n";
  const DWORD length = sizeof text / sizeof text[0] - 1;
  DWORD written = 0;
  if (!WriteConsoleW(GetStdHandle(STD_OUTPUT_HANDLE), text, length, &written, NULL)) return int(GetLastError());
  return written == length ? 0 : 99;
}

inline std::string step(const char* name, BOOL ok) {
  return std::string(name) + "=" + std::to_string(ok ? 0 : GetLastError()) + "\n";
}

inline int console_cycle() {
  HANDLE old_output = GetStdHandle(STD_OUTPUT_HANDLE);
  std::string report = step("attach_while_attached", AttachConsole(ATTACH_PARENT_PROCESS));
  report += step("free", FreeConsole());
  report += step("attach_without_parent_console", AttachConsole(ATTACH_PARENT_PROCESS));
  DWORD written;
  report += step("write_after_free", WriteConsoleW(old_output, u"x", 1, &written, NULL));
  report += step("alloc", AllocConsole());
  report += step("alloc_again", AllocConsole());
  report += step("write_new", WriteConsoleW(GetStdHandle(STD_OUTPUT_HANDLE), u"x", 1, &written, NULL));
  report += std::string("new_handle=") + (GetStdHandle(STD_OUTPUT_HANDLE) != old_output ? "yes" : "no") + "\n";
  fputs(report.c_str(), stdout);
  return 0;
}

inline int run_command(int argc, char** argv) {
  std::string what = argc > 1 ? argv[1] : "";
  if (what == "args") {
    std::string out = utf8(GetCommandLineW()) + "\n";
    for (int i = 1; i < argc; ++i) out += std::string("[") + argv[i] + "]\n";
    return put_out(out);
  }
  if (what == "exit" && argc > 2) {
    if (argc > 3) Sleep(DWORD(atoi(argv[3])));
    ExitProcess(UINT(strtoull(argv[2], NULL, 10)));
  }
  if (what == "write" && argc > 3) return put(reinterpret_cast<HANDLE>(strtoull(argv[2], NULL, 10)), argv[3]);
  if (what == "hold" && argc > 3) {
    Sleep(DWORD(atoi(argv[2])));
    return put_out(argv[3]);
  }
  if (what == "spawn") {
    PROCESS_INFORMATION pi;
    if (!start(rest(argc, argv, 2), 0, &pi)) return int(GetLastError());
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
  }
  if (what == "run") {
    bool detached = argc > 2 && strcmp(argv[2], "detached") == 0;
    PROCESS_INFORMATION pi;
    if (!start(rest(argc, argv, detached ? 3 : 2), detached ? DETACHED_PROCESS : 0, &pi)) return int(GetLastError());
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    return int(code);
  }
  if (what == "console") return write_console();
  if (what == "attach") return AttachConsole(ATTACH_PARENT_PROCESS) ? write_console() : int(GetLastError());
  if (what == "console_cycle") return console_cycle();
  if (what == "cwd") {
    char directory[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    return put_out(std::string(directory, length));
  }
  return 98;
}

}  // namespace probe
