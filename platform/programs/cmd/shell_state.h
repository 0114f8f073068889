// The state of one cmd.exe run: the batch arguments, the error level, echo, and whether to stop.
#pragma once

#include <string>
#include <vector>

namespace cmd {

struct ShellState {
  std::vector<std::string> batch_args;  // %0 (the batch file's full name), %1, ...
  bool in_batch = false;
  bool echo = true;
  bool leave_batch = false;
  bool leave_shell = false;
  int errorlevel = 0;
};

// %0-%9, %~dp0 and its kin, %*, %NAME%; "%%" is one per-cent sign in a batch file.
std::string expand_percent(const std::string& line, const ShellState& state);

// The commands of a line split at unquoted "&", with carets outside quotes taken as escapes.
std::vector<std::string> split_commands(const std::string& line);

// Words split at blanks outside quotes; `keep_quotes` keeps the quote characters in the words.
std::vector<std::string> words(const std::string& text, bool keep_quotes);

// Runs one line (a batch file's or the /c command).
void run_line(std::string line, ShellState& state);

// Runs one command after expansion and splitting.
void run_command(const std::string& command, ShellState& state);

// Runs the batch file `path` (full name) with `args` (quotes kept); ends with its exit code.
void run_batch(const std::string& path, const std::vector<std::string>& args, ShellState& state);

// A built-in command; false when `command` is no built-in.
bool run_builtin(const std::string& name, const std::string& rest, ShellState& state);

// The program or batch file the name stands for by the search rules, or empty.
std::string find_program(const std::string& name);

}  // namespace cmd
