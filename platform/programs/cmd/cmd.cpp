// cmd: the machine's command interpreter for "/c COMMAND" (and "/k", which here ends the same
// way, there being no one to type). Without a command it reads lines from standard input.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <iostream>

#include "shell_state.h"

namespace {

bool names_file(const std::string& name) {
  DWORD a = GetFileAttributesA(name.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

// The quote rule of "/c": a command of exactly two quotes around an existing file's name, with
// no special characters, keeps them; otherwise a leading quote and the last quote are removed.
std::string command_after_switch(std::string text) {
  size_t start = text.find_first_not_of(" \t");
  text = start == std::string::npos ? "" : text.substr(start);
  if (text.empty() || text[0] != '"') return text;
  size_t quotes = 0;
  for (char c : text) quotes += c == '"';
  size_t second = text.find('"', 1);
  bool plain = text.find_first_of("&<>()@^|") == std::string::npos;
  if (quotes == 2 && plain && names_file(text.substr(1, second - 1))) return text;
  size_t last = text.rfind('"');
  return text.substr(1, last - 1) + text.substr(last + 1);
}

// The text after the first "/c" or "/k" switch of the command line, or nothing.
bool find_command(const std::string& line, std::string* command) {
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    char c = char(std::tolower(static_cast<unsigned char>(line[i + 1])));
    if (line[i] == '/' && (c == 'c' || c == 'k')) {
      *command = command_after_switch(line.substr(i + 2));
      return true;
    }
  }
  return false;
}

}  // namespace

int main() {
  cmd::ShellState state;
  std::string command;
  if (find_command(GetCommandLineA(), &command)) {
    cmd::run_line(command, state);
  } else {
    for (std::string line; !state.leave_shell && std::getline(std::cin, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      cmd::run_line(line, state);
    }
  }
  std::fflush(stdout);
  return state.errorlevel;
}
