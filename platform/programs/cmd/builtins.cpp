// The built-in commands the batch files use: echo, rem, cd, exit, del, copy, if.
#include <windows.h>

#include <cctype>
#include <cstdio>

#include "shell_state.h"

namespace cmd {
namespace {

std::string lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

std::string full_name(const std::string& name) {
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(name.c_str(), MAX_PATH, full, nullptr);
  return n && n < MAX_PATH ? std::string(full, n) : name;
}

bool is_folder(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> operands(const std::string& rest) {
  std::vector<std::string> out;
  for (const auto& word : words(rest, false))
    if (word.empty() || word[0] != '/') out.push_back(word);
  return out;
}

void echo(const std::string& rest, ShellState& state) {
  std::string word = lower(trimmed(rest));
  if (word == "off" || word == "on") {
    state.echo = word == "on";
  } else if (rest.empty()) {
    std::printf("ECHO is %s.\n", state.echo ? "on" : "off");
  } else {
    std::printf("%s\n", rest.substr(1).c_str());  // the separator after "echo" is not echoed
  }
}

void cd(const std::string& rest, ShellState& state) {
  std::string target = trimmed(rest);
  if (lower(target.substr(0, 2)) == "/d") target = trimmed(target.substr(2));
  if (target.size() >= 2 && target.front() == '"' && target.back() == '"') target = target.substr(1, target.size() - 2);
  if (target.empty()) {
    char dir[MAX_PATH];
    std::printf("%.*s\n", int(GetCurrentDirectoryA(MAX_PATH, dir)), dir);
    return;
  }
  if (!SetCurrentDirectoryA(target.c_str())) {
    std::fprintf(stderr, "The system cannot find the path specified.\n");
    state.errorlevel = 1;
  }
}

void exit_command(const std::string& rest, ShellState& state) {
  std::vector<std::string> args = words(rest, false);
  bool batch_only = !args.empty() && lower(args[0]) == "/b";
  if (batch_only) args.erase(args.begin());
  if (!args.empty()) state.errorlevel = std::atoi(args[0].c_str());
  state.leave_batch = true;
  state.leave_shell = !batch_only || !state.in_batch;
}

// del does not change the error level, even when a name is missing.
void del(const std::string& rest) {
  for (const auto& name : operands(rest)) {
    std::string full = full_name(name);
    std::string folder = full.substr(0, full.find_last_of('\\') + 1);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(full.c_str(), &found);
    bool any = false;
    if (find != INVALID_HANDLE_VALUE) {
      do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        any = true;
        if (!DeleteFileA((folder + found.cFileName).c_str()))
          std::fprintf(stderr, "%s%s\nAccess is denied.\n", folder.c_str(), found.cFileName);
      } while (FindNextFileA(find, &found));
      FindClose(find);
    }
    if (!any) std::fprintf(stderr, "Could Not Find %s\n", full.c_str());
  }
}

void copy(const std::string& rest, ShellState& state) {
  std::vector<std::string> args = operands(rest);
  if (args.empty() || args.size() > 2) {
    std::fprintf(stderr, "The syntax of the command is incorrect.\n");
    state.errorlevel = 1;
    return;
  }
  std::string from = full_name(args[0]);
  std::string to = args.size() == 2 ? full_name(args[1]) : full_name(".");
  if (is_folder(to)) to += "\\" + from.substr(from.find_last_of('\\') + 1);
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
    DWORD error = GetLastError();
    std::fprintf(stderr, "%s\n", error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                                     ? "The system cannot find the file specified."
                                     : "Access is denied.");
    std::printf("        0 file(s) copied.\n");
    state.errorlevel = 1;
    return;
  }
  std::printf("        1 file(s) copied.\n");
  state.errorlevel = 0;
}

// if [not] exist NAME command | if [not] errorlevel N command | if [/i] a==b command
void if_command(const std::string& rest, ShellState& state) {
  std::string text = trimmed(rest);
  auto take_word = [&text]() {
    std::vector<std::string> first = words(text, true);
    std::string word = first.empty() ? "" : first[0];
    text = trimmed(text.substr(std::min(text.size(), text.find(word) + word.size())));
    return word;
  };
  std::string word = take_word();
  bool negate = lower(word) == "not";
  if (negate) word = take_word();
  bool fold = lower(word) == "/i";
  if (fold) word = take_word();
  bool holds;
  if (lower(word) == "exist") {
    std::string name = take_word();
    if (name.size() >= 2 && name.front() == '"') name = name.substr(1, name.size() - 2);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(name.c_str(), &found);
    holds = find != INVALID_HANDLE_VALUE;
    if (holds) FindClose(find);
  } else if (lower(word) == "errorlevel") {
    holds = state.errorlevel >= std::atoi(take_word().c_str());
  } else {
    size_t eq = word.find("==");
    std::string left = word.substr(0, eq), right;
    if (eq == std::string::npos) {
      word = take_word();
      right = word.substr(0, 2) == "==" ? (word.size() > 2 ? word.substr(2) : take_word()) : word;
    } else {
      right = eq + 2 < word.size() ? word.substr(eq + 2) : take_word();
    }
    holds = fold ? lower(left) == lower(right) : left == right;
  }
  if (holds != negate) run_command(text, state);
}

}  // namespace

bool run_builtin(const std::string& name, const std::string& rest, ShellState& state) {
  std::string n = lower(name);
  if (n == "rem") return true;
  if (n == "echo" || n == "echo.") {
    if (n == "echo.") std::printf("%s\n", rest.c_str());
    else echo(rest, state);
  } else if (n == "cd" || n == "chdir") {
    cd(rest, state);
  } else if (n == "exit") {
    exit_command(rest, state);
  } else if (n == "del" || n == "erase") {
    del(rest);
  } else if (n == "copy") {
    copy(rest, state);
  } else if (n == "if") {
    if_command(rest, state);
  } else {
    return false;
  }
  return true;
}

}  // namespace cmd
