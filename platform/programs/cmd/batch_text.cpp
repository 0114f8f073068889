// The text rules of cmd.exe: per-cent expansion, carets, quotes and "&" between commands.
#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "shell_state.h"

namespace cmd {
namespace {

std::string environment(const std::string& name, const ShellState& state, bool* found) {
  *found = true;
  std::string upper;
  for (char c : name) upper += char(std::toupper(static_cast<unsigned char>(c)));
  if (upper == "ERRORLEVEL") return std::to_string(state.errorlevel);
  if (upper == "CD") {
    char dir[MAX_PATH];
    return std::string(dir, GetCurrentDirectoryA(MAX_PATH, dir));
  }
  const char* value = std::getenv(name.c_str());
  *found = value != nullptr;
  return value ? std::string(value) : std::string();
}

std::string unquoted(const std::string& s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"' ? s.substr(1, s.size() - 2) : s;
}

// %~[fdpnx]N: parts of the full name of argument N.
std::string modified(const std::string& arg, const std::string& modifiers) {
  std::string name = unquoted(arg);
  if (modifiers.empty()) return name;
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(name.c_str(), MAX_PATH, full, nullptr);
  std::string path = n && n < MAX_PATH ? std::string(full, n) : name;
  size_t slash = path.find_last_of('\\');
  std::string drive = path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : "";
  std::string folder = slash == std::string::npos ? "" : path.substr(drive.size(), slash + 1 - drive.size());
  std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = file.rfind('.');
  std::string base = dot == std::string::npos ? file : file.substr(0, dot);
  std::string ext = dot == std::string::npos ? "" : file.substr(dot);
  if (modifiers.find('f') != std::string::npos) return path;
  std::string out;
  if (modifiers.find('d') != std::string::npos) out += drive;
  if (modifiers.find('p') != std::string::npos) out += folder;
  if (modifiers.find('n') != std::string::npos) out += base;
  if (modifiers.find('x') != std::string::npos) out += ext;
  return out;
}

std::string argument(const ShellState& state, size_t n) {
  return n < state.batch_args.size() ? state.batch_args[n] : std::string();
}

}  // namespace

std::string expand_percent(const std::string& line, const ShellState& state) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '%') {
      out += line[i];
      continue;
    }
    char next = i + 1 < line.size() ? line[i + 1] : '\0';
    if (state.in_batch && next == '%') {
      out += '%';
      ++i;
    } else if (state.in_batch && std::isdigit(static_cast<unsigned char>(next))) {
      out += argument(state, size_t(next - '0'));
      ++i;
    } else if (state.in_batch && next == '*') {
      for (size_t a = 1; a < state.batch_args.size(); ++a) out += (a > 1 ? " " : "") + state.batch_args[a];
      ++i;
    } else if (state.in_batch && next == '~') {
      size_t j = i + 2;
      std::string modifiers;
      while (j < line.size() && std::strchr("fdpnx", line[j])) modifiers += line[j++];
      if (j < line.size() && std::isdigit(static_cast<unsigned char>(line[j]))) {
        out += modified(argument(state, size_t(line[j] - '0')), modifiers);
        i = j;
      } else {
        out += line[i];
      }
    } else {
      size_t close = line.find('%', i + 1);
      bool found = false;
      std::string value = close == std::string::npos ? "" : environment(line.substr(i + 1, close - i - 1), state, &found);
      if (found) {
        out += value;
        i = close;
      } else if (state.in_batch) {
        // An undefined variable is removed; a lone per-cent sign is dropped.
        if (close != std::string::npos) i = close;
      } else {
        out += line[i];
      }
    }
  }
  return out;
}

std::vector<std::string> split_commands(const std::string& line) {
  std::vector<std::string> commands(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '^' && i + 1 < line.size()) {
      commands.back() += line[++i];
    } else if (!quoted && c == '&') {
      commands.emplace_back();
    } else if (!quoted && c == '^') {
      // A caret at the end of the line continues it; nothing follows here.
    } else {
      commands.back() += c;
    }
  }
  return commands;
}

std::vector<std::string> words(const std::string& text, bool keep_quotes) {
  std::vector<std::string> out;
  std::string word;
  bool quoted = false, any = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
      any = true;
      if (keep_quotes) word += c;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (any) out.push_back(word);
      word.clear();
      any = false;
    } else {
      word += c;
      any = true;
    }
  }
  if (any) out.push_back(word);
  return out;
}

}  // namespace cmd
