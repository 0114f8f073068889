// Running lines: built-ins in this process, programs as child processes waited for, batch files
// line by line.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "shell_state.h"

namespace cmd {
namespace {

bool exists_as_file(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string environment_or(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : std::string(fallback);
}

std::vector<std::string> split_list(const std::string& list) {
  std::vector<std::string> out;
  std::stringstream in(list);
  for (std::string item; std::getline(in, item, ';');)
    if (!item.empty()) out.push_back(item);
  return out;
}

bool has_extension(const std::string& name) {
  size_t dot = name.rfind('.'), slash = name.find_last_of("\\/");
  return dot != std::string::npos && (slash == std::string::npos || dot > slash);
}

bool is_batch(const std::string& path) {
  std::string ext = path.substr(path.size() >= 4 ? path.size() - 4 : 0);
  for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".bat" || ext == ".cmd";
}

std::string full_name(const std::string& name) {
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(name.c_str(), MAX_PATH, full, nullptr);
  return n && n < MAX_PATH ? std::string(full, n) : name;
}

void run_program(const std::string& path, const std::string& command, ShellState& state) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string line = command;
  if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
    std::fprintf(stderr, "The system cannot execute the specified program.\n");
    state.errorlevel = int(GetLastError());
    return;
  }
  std::fflush(stdout);
  WaitForSingleObject(info.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  state.errorlevel = int(code);
}

}  // namespace

std::string find_program(const std::string& name) {
  std::vector<std::string> extensions{""};
  if (!has_extension(name)) extensions = split_list(environment_or("PATHEXT", ".COM;.EXE;.BAT;.CMD"));
  std::vector<std::string> folders{""};
  if (name.find_first_of("\\/:") == std::string::npos) {
    folders = {"."};
    // The host's own PATH can reach the machine's environment; only Windows folders count.
    for (const auto& folder : split_list(environment_or("PATH", "")))
      if (folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\') folders.push_back(folder);
    if (folders.size() == 1) folders.insert(folders.end(), {"C:\\Windows\\System32", "C:\\Windows"});
  }
  for (const auto& folder : folders)
    for (const auto& ext : extensions) {
      std::string candidate = folder.empty() ? name + ext : folder + "\\" + name + ext;
      if (exists_as_file(candidate)) return full_name(candidate);
    }
  return {};
}

void run_command(const std::string& command, ShellState& state) {
  std::vector<std::string> parts = words(command, true);
  if (parts.empty()) return;
  std::string first = words(parts[0], false).empty() ? "" : words(parts[0], false)[0];
  size_t name_end = command.find(parts[0]) + parts[0].size();
  std::string rest = command.substr(name_end);
  if (run_builtin(first, rest, state)) return;
  std::string program = find_program(first);
  if (program.empty()) {
    std::fprintf(stderr, "'%s' is not recognized as an internal or external command,\n"
                         "operable program or batch file.\n", first.c_str());
    state.errorlevel = 9009;
    return;
  }
  if (is_batch(program)) {
    // A batch file named by another does not return to it (there is no "call").
    std::vector<std::string> args = words(rest, true);
    run_batch(program, args, state);
    state.leave_batch = state.in_batch;
    return;
  }
  size_t start = command.find_first_not_of(" \t");
  run_program(program, command.substr(start), state);
}

void run_line(std::string line, ShellState& state) {
  size_t start = line.find_first_not_of(" \t");
  if (start == std::string::npos) return;
  line = line.substr(start);
  if (line[0] == ':') return;  // a label
  // rem takes the whole line, "&" and all, before anything is expanded.
  size_t body = line.find_first_not_of('@');
  if (body == std::string::npos) return;
  std::vector<std::string> first = words(line.substr(body), false);
  if (!first.empty()) {
    std::string word = first[0];
    for (char& c : word) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (word == "rem") return;
  }
  bool quiet = false;
  while (!line.empty() && line[0] == '@') {
    quiet = true;
    line = line.substr(1);
  }
  std::string expanded = expand_percent(line, state);
  if (state.in_batch && state.echo && !quiet) {
    char dir[MAX_PATH];
    std::printf("\n%.*s>%s\n", int(GetCurrentDirectoryA(MAX_PATH, dir)), dir, expanded.c_str());
  }
  for (const auto& command : split_commands(expanded)) {
    run_command(command, state);
    if (state.leave_batch) return;
  }
}

void run_batch(const std::string& path, const std::vector<std::string>& args, ShellState& state) {
  std::string text;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "The batch file cannot be found.\n");
    state.errorlevel = 1;
    return;
  }
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
  CloseHandle(file);

  ShellState batch = state;
  batch.in_batch = true;
  batch.leave_batch = false;
  batch.batch_args = {path};
  batch.batch_args.insert(batch.batch_args.end(), args.begin(), args.end());
  std::stringstream lines(text);
  for (std::string line; !batch.leave_batch && std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    run_line(line, batch);
  }
  state.errorlevel = batch.errorlevel;
  state.echo = batch.echo;
  state.leave_shell = batch.leave_shell;
}

}  // namespace cmd
