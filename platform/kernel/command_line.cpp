#include "kernel/command_line.h"

namespace platform::command_line {
namespace {

bool blank(char16_t c) { return c == u' ' || c == u'\t'; }

// The C runtime's program name: quotes group, nothing escapes, a blank outside quotes ends it.
// The shell's: up to the next quote when the line begins with one (whatever follows starts the
// next argument), else up to the first character at or below U+0020, quotes included.
std::u16string program_name(std::u16string_view line, size_t& i, Rules rules) {
  std::u16string name;
  if (rules == Rules::shell) {
    if (i < line.size() && line[i] == u'"') {
      for (++i; i < line.size() && line[i] != u'"'; ++i) name += line[i];
      if (i < line.size()) ++i;
      return name;
    }
    for (; i < line.size() && line[i] > u' '; ++i) name += line[i];
    return name;
  }
  bool quoted = false;
  for (; i < line.size() && (quoted || !blank(line[i])); ++i) {
    if (line[i] == u'"')
      quoted = !quoted;
    else
      name += line[i];
  }
  return name;
}

// 2n backslashes and a quote: n backslashes and a toggle; 2n+1: n backslashes and a literal
// quote. Inside quotes a doubled quote is one literal quote; the shell also ends the quoted part.
std::u16string argument(std::u16string_view line, size_t& i, Rules rules) {
  std::u16string arg;
  bool quoted = false;
  while (i < line.size() && (quoted || !blank(line[i]))) {
    size_t backslashes = 0;
    while (i < line.size() && line[i] == u'\\') {
      ++backslashes;
      ++i;
    }
    if (i < line.size() && line[i] == u'"') {
      arg.append(backslashes / 2, u'\\');
      if (backslashes % 2) {
        arg += u'"';
      } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
        arg += u'"';
        if (rules == Rules::shell) quoted = false;
        ++i;
      } else {
        quoted = !quoted;
      }
      ++i;
      continue;
    }
    arg.append(backslashes, u'\\');
    if (i < line.size() && (quoted || !blank(line[i]))) arg += line[i++];
  }
  return arg;
}

}  // namespace

std::vector<std::u16string> split(std::u16string_view line, Rules rules) {
  size_t i = 0;
  std::vector<std::u16string> args{program_name(line, i, rules)};
  for (;;) {
    while (i < line.size() && blank(line[i])) ++i;
    if (i >= line.size()) break;
    args.push_back(argument(line, i, rules));
  }
  return args;
}

namespace {

std::u16string quoted(const std::u16string& arg) {
  if (!arg.empty() && arg.find_first_of(u" \t\"") == std::u16string::npos) return arg;
  std::u16string out = u"\"";
  size_t backslashes = 0;
  for (char16_t c : arg) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, u'\\');
  return out + u'"';
}

}  // namespace

std::u16string join(const std::vector<std::u16string>& args) {
  std::u16string line;
  for (const auto& arg : args) {
    if (!line.empty()) line += u' ';
    line += quoted(arg);
  }
  return line;
}

}  // namespace platform::command_line
