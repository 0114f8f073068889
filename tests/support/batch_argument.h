// A password or key as an installation batch file carries it, for the tests that check it comes
// through cmd.exe and the runtime's argument rules unchanged.
#pragma once

#include <string>
#include <string_view>

namespace testing_support {

// Quoted by the runtime's argument rules when the value holds a blank, a tab or a double quote
// (a quote as \", backslashes before a quote or the closing quote doubled); then escaped for
// cmd.exe, whose quote state each double quote toggles: "%" doubled everywhere, a caret before
// ^ > < | & + outside quotes only.
inline std::string BatchArgument(const std::string& value) {
  std::string argument = value;
  if (value.find_first_of(" \t\"") != std::string::npos) {
    argument = "\"";
    size_t backslashes = 0;
    for (char c : value) {
      if (c == '\\') {
        ++backslashes;
        continue;
      }
      argument.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
      backslashes = 0;
      argument += c;
    }
    argument.append(backslashes * 2, '\\');
    argument += '"';
  }
  std::string escaped;
  bool quoted = false;
  for (char c : argument) {
    if (c == '"') quoted = !quoted;
    if (c == '%')
      escaped += '%';
    else if (!quoted && std::string_view("^><|&+").find(c) != std::string_view::npos)
      escaped += '^';
    escaped += c;
  }
  return escaped;
}

}  // namespace testing_support
