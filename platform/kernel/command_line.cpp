#include "kernel/command_line.h"

namespace winsim::command_line {
namespace {

bool blank(char16_t c) { return c == u' ' || c == u'\t'; }

// The program name: quotes group, nothing escapes.
std::u16string program_name(std::u16string_view line, size_t& i) {
  std::u16string name;
  bool quoted = false;
  for (; i < line.size() && (quoted || !blank(line[i])); ++i) {
    if (line[i] == u'"')
      quoted = !quoted;
    else
      name += line[i];
  }
  return name;
}

std::u16string argument(std::u16string_view line, size_t& i) {
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

std::vector<std::u16string> split(std::u16string_view line) {
  size_t i = 0;
  std::vector<std::u16string> args{program_name(line, i)};
  for (;;) {
    while (i < line.size() && blank(line[i])) ++i;
    if (i >= line.size()) break;
    args.push_back(argument(line, i));
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

}  // namespace winsim::command_line
